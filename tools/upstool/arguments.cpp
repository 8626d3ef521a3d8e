// SPDX-License-Identifier: GPL-3.0-or-later
#include "arguments.h"

#include <algorithm>

namespace tarnwick::upstool {
namespace {

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool LooksLikeOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

// Checks the operand count against the rules; returns the complaint or the empty text.
std::string OperandCountError(const std::vector<std::string>& operands,
                              const ArgumentRules& rules) {
  const std::size_t wanted = rules.operands.size();
  if (operands.size() < wanted) return "missing " + std::string(rules.operands[operands.size()]);
  if (operands.size() > wanted && !rules.last_repeats) {
    return "unexpected argument '" + operands[wanted] + "'";
  }
  return {};
}

}  // namespace

bool ParsedArguments::Has(std::string_view option) const {
  return std::find(options.begin(), options.end(), option) != options.end();
}

std::string ParsedArguments::Value(std::string_view option) const {
  for (const auto& [name, value] : values) {
    if (name == option) return value;
  }
  return {};
}

ParsedArguments ParseArguments(const std::vector<std::string>& args, const ArgumentRules& rules) {
  ParsedArguments parsed;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (!options_ended && word == "--") {
      options_ended = true;
    } else if (!options_ended && Contains(rules.valued, word)) {
      if (i + 1 == args.size()) {
        parsed.error = "option '" + word + "' needs a value";
        return parsed;
      }
      const auto given = [&word](const auto& entry) { return entry.first == word; };
      if (!Contains(rules.repeatable, word) && std::any_of(parsed.values.begin(), parsed.values.end(), given)) {
        parsed.error = "option '" + word + "' is given twice";
        return parsed;
      }
      parsed.values.emplace_back(word, args[++i]);
    } else if (!options_ended && LooksLikeOption(word)) {
      if (!Contains(rules.options, word)) {
        parsed.error = "unknown option '" + word + "'";
        return parsed;
      }
      if (!parsed.Has(word)) parsed.options.push_back(word);
    } else {
      parsed.operands.push_back(word);
    }
  }
  parsed.error = OperandCountError(parsed.operands, rules);
  return parsed;
}

}  // namespace tarnwick::upstool
