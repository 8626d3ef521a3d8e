// SPDX-License-Identifier: GPL-3.0-or-later
// The table `upstool list` prints: one CSV row per UP with its grid values, and with `with_parts`
// fifteen more columns for each of the sixteen parts, in part order.
#pragma once

#include <string>

#include "updata/up_record.h"

namespace tarnwick::upstool {

void AppendUPListHeader(std::string& csv, bool with_parts);
void AppendUPListRow(std::string& csv, int id, const UPRecord& up, bool with_parts);

}  // namespace tarnwick::upstool
