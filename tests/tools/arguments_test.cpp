#include <gtest/gtest.h>

#include "arguments.h"

namespace tarnwick::upstool {
namespace {

const ArgumentRules kSaveRules{{"IN", "OUT"}, false, {"--force"}};
const ArgumentRules kCheckRules{{"FILE"}, true, {}};

TEST(ArgumentsTest, OptionsMayStandAnywhereAndCountOnce) {
  const ParsedArguments parsed = ParseArguments({"--force", "a", "--force", "b"}, kSaveRules);
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.operands, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(parsed.options, (std::vector<std::string>{"--force"}));
  EXPECT_TRUE(parsed.Has("--force"));
  EXPECT_FALSE(ParseArguments({"a", "b"}, kSaveRules).Has("--force"));
}

TEST(ArgumentsTest, DoubleDashEndsTheOptionsAndALoneDashIsAnOperand) {
  const ParsedArguments parsed = ParseArguments({"-", "--", "--force", "-x"}, kCheckRules);
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.operands, (std::vector<std::string>{"-", "--force", "-x"}));
  EXPECT_TRUE(parsed.options.empty());
}

TEST(ArgumentsTest, NamesWhatIsMissingOrTooMuch) {
  EXPECT_EQ(ParseArguments({}, kSaveRules).error, "missing IN");
  EXPECT_EQ(ParseArguments({"a"}, kSaveRules).error, "missing OUT");
  EXPECT_EQ(ParseArguments({"a", "b", "c"}, kSaveRules).error, "unexpected argument 'c'");
  EXPECT_EQ(ParseArguments({"a", "-f"}, kSaveRules).error, "unknown option '-f'");
  EXPECT_EQ(ParseArguments({}, kCheckRules).error, "missing FILE");
  EXPECT_EQ(ParseArguments({"a", "b", "c"}, kCheckRules).error, "");
}

}  // namespace
}  // namespace tarnwick::upstool
