// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing two files: pairs by ID or by name, the fields named, UPs of one file only, Disk Link.
#include <gtest/gtest.h>

#include "catalog/up_diff.h"

namespace tarnwick {
namespace {

using Fields = std::vector<std::string>;

UPFile Named(const std::vector<std::string>& names) {
  UPFile file;
  SetUPCount(file, static_cast<int>(names.size()));
  for (int id = 0; id < file.count; ++id) SetUPText8(file.up(id), kUPNameOffset, names[static_cast<std::size_t>(id)]);
  return file;
}

TEST(UPDiffTest, NamesTheFieldsThatDifferIncludingBytesNoFieldShows) {
  UPRecord a{}, b{};
  EXPECT_TRUE(DifferingFields(a, b).empty());
  SetUPTempo(b, 130);
  b[161 + 3 * kPartUP3 + 2] = 9;  // UP3 program
  b[field::DBeamHighBit.offset] = field::DBeamHighBit.mask;
  b[field::DBeamHighBit.offset] |= 0x01;  // a bit of the same byte that nothing shows
  EXPECT_EQ(DifferingFields(a, b), (Fields{"tempo", "d-beam", "UP3 tone", "other bytes"}));
}

// By ID, with the Disk Link names, is shown through upstool diff.
TEST(UPDiffTest, PairsTheKthUPOfANameWithTheKthOfTheSameName) {
  UPFile a = Named({"Piano", "Organ", "Piano", "Jazz"});
  UPFile b = Named({"Organ", "Piano", "Piano"});
  SetUPTempo(b.up(2), 99);
  const FileComparison byName = CompareUPFiles(a, b, true);
  ASSERT_EQ(byName.ups.size(), 2u);
  EXPECT_EQ(std::pair(byName.ups[0].idA, byName.ups[0].idB), std::pair(2, 2));
  EXPECT_EQ(byName.ups[0].fields, Fields{"tempo"});
  EXPECT_EQ(std::pair(byName.ups[1].idA, byName.ups[1].idB), std::pair(3, -1));  // Jazz only in A
  EXPECT_EQ(byName.ups[1].name, "Jazz");
}

}  // namespace
}  // namespace tarnwick
