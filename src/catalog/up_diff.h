// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing two UPS files: the UPs are paired by ID (or by name, the k-th UP of a name with the
// k-th of the same name in the other file), and each pair that differs names the fields that do
// ("name", "tempo", "UP3 tone", ...; "other bytes" for bytes no field shows). UPs without a
// partner, and Disk Link names that differ, are listed too.
#pragma once

#include <string>
#include <vector>

#include "updata/up_file.h"

namespace tarnwick {

struct UPDifference {
  int idA = -1;  // -1: the UP is only in B
  int idB = -1;  // -1: the UP is only in A
  std::string name;  // the UP's name as shown (from A when it has one)
  std::vector<std::string> fields;  // empty for a UP in one file only
};

struct DiskLinkDifference {
  int index = 0;
  std::string nameA, nameB;  // as stored
};

struct FileComparison {
  std::vector<UPDifference> ups;
  std::vector<DiskLinkDifference> diskLinks;
  bool identical() const { return ups.empty() && diskLinks.empty(); }
};

FileComparison CompareUPFiles(const UPFile& a, const UPFile& b, bool byName);

// The fields in which two records differ, in record order; empty when they are byte-identical.
std::vector<std::string> DifferingFields(const UPRecord& a, const UPRecord& b);

}  // namespace tarnwick
