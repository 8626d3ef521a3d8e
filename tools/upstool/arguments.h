// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a command's words into operands and options.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick::upstool {

struct ArgumentRules {
  std::vector<std::string_view> operands;  // names for messages, e.g. {"IN", "OUT"}
  bool last_repeats = false;               // the last operand may be given any number of times
  std::vector<std::string_view> options;   // accepted options, e.g. {"--force"}
  std::vector<std::string_view> valued = {};  // options that take the next word, e.g. {"-o"}
  std::vector<std::string_view> repeatable = {};  // valued options that may be given again
};

struct ParsedArguments {
  std::vector<std::string> operands;
  std::vector<std::string> options;  // as given, each at most once
  std::vector<std::pair<std::string, std::string>> values;  // valued options and their words
  std::string error;                 // empty when the words fit the rules

  bool Has(std::string_view option) const;
  // The word given after a valued option; empty when the option was not given.
  std::string Value(std::string_view option) const;
};

// Words starting with "-" are options (a lone "-" is an operand); "--" ends the options, so that
// a file named like an option can still be given.
ParsedArguments ParseArguments(const std::vector<std::string>& args, const ArgumentRules& rules);

}  // namespace tarnwick::upstool
