// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up loading of the four name lists.
#pragma once

#include <string>
#include <vector>

#include "lists/name_lists.h"

namespace tarnwick {

// Loads the EFX, tone, drum set and style lists from `folder`, in that order, and returns the
// message of every list that could not be read ("Error Opening File: " and its path), in the same
// order. A list that fails stays empty; the others load all the same.
std::vector<std::string> LoadNameLists(NameTables& tables, const std::string& folder);

}  // namespace tarnwick
