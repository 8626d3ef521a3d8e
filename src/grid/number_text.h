// SPDX-License-Identifier: GPL-3.0-or-later
// When a text counts as a number: optional blanks around an optional sign, digits and at most one
// decimal point, with at least one digit ("12", " -3", "12.5", ".5"). The grid sort and the
// number filter boxes share this rule.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace tarnwick {

std::optional<double> ParseNumberText(std::string_view text);
std::optional<double> ParseNumberText(const QString& text);

}  // namespace tarnwick
