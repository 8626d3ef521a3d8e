#include "midi/selection_messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "midi/midi_message.h"

namespace tarnwick {
namespace {

TEST(UPSelectTest, BankAndProgramAtTheEdgesOfTheBanksAndNothingBeyond) {
  const struct {
    int id;
    std::uint8_t msb;
    int program;
  } cases[] = {{0, 120, 0}, {127, 120, 127}, {128, 121, 0}, {191, 121, 63}};
  for (const auto& c : cases) {
    const std::optional<BankProgram> select = UPSelect(c.id);
    ASSERT_TRUE(select.has_value()) << c.id;
    EXPECT_EQ(*select, (BankProgram{c.msb, 0, MidiProgramNumber::fromZeroBased(c.program)})) << c.id;
  }
  for (const int id : {-1, 192, 65535}) EXPECT_FALSE(UPSelect(id).has_value()) << id;
}

TEST(FreeSendTest, RoundsAndKeepsEveryByteWithinSevenBits) {
  EXPECT_EQ(FreeSendByte(41.6), 42);
  EXPECT_EQ(FreeSendByte(62.5), 62);  // halves go to the even neighbour
  EXPECT_EQ(FreeSendByte(63.5), 64);
  EXPECT_EQ(FreeSendByte(200), 127);  // as the box itself corrects it
  EXPECT_EQ(FreeSendByte(-3), 0);
  EXPECT_EQ(FreeSendByte(1e300), 127);
  EXPECT_EQ(FreeSendByte(std::numeric_limits<double>::infinity()), 127);
  EXPECT_EQ(FreeSendByte(std::nan("")), 0);
}

TEST(PartSwitchTableTest, EveryPartOnceWithItsOwnNumberAndCaption) {
  std::set<int> parts;
  std::set<int> numbers;
  for (const PartSwitch& entry : kPartSwitches) {
    parts.insert(entry.part);
    numbers.insert(entry.number);
    EXPECT_EQ(entry.caption, std::string(PartName(entry.part)) + " - Channel " +
                                 std::to_string(PartChannelShown(entry.part)));
  }
  EXPECT_EQ(parts.size(), 16u);
  EXPECT_EQ(numbers.size(), 16u);
  EXPECT_EQ(PartSwitchNumber(kPartUP1), 0x10);
  EXPECT_EQ(PartSwitchNumber(kPartAC4), 0x1F);
  EXPECT_EQ(PartSwitchNumber(kPartLW2), 0x27);
  EXPECT_FALSE(PartSwitchNumber(16).has_value());
}

TEST(ArrangerDivisionTableTest, ButtonsAndTheirPrograms) {
  const std::pair<const char*, int> expected[] = {
      {"Or-Bsc", 0},  {"Or-Adv", 1},  {"Va-Bsc", 8},  {"Va-Adv", 9},  {"TO-Bsc", 88}, {"TO-Adv", 89},
      {"In-Bsc", 64}, {"In-Adv", 65}, {"Ed-Bsc", 72}, {"Ed-Adv", 73}, {"TV-Bsc", 96}, {"TV-Adv", 97},
  };
  for (const auto& [caption, program] : expected) {
    EXPECT_EQ(ArrangerDivisionProgram(caption).value_or(MidiProgramNumber::fromZeroBased(127)).zeroBased(), program)
        << caption;
  }
  EXPECT_FALSE(ArrangerDivisionProgram("in-adv").has_value());
}

TEST(ShortMessageTest, WireLengthFollowsTheStatusByte) {
  EXPECT_EQ(FormatShortMessage(PackShortMessage(0xBC, 0x00, 0x79)), "BC 00 79");
  EXPECT_EQ(FormatShortMessage(PackShortMessage(0xCC, 0x02, 0x00)), "CC 02");
  EXPECT_EQ(FormatShortMessage(PackShortMessage(0xD3, 0x40, 0x00)), "D3 40");
  EXPECT_EQ(FormatShortMessage(PackShortMessage(0xFA, 0x00, 0x00)), "FA");
  EXPECT_EQ(FormatShortMessage(PackShortMessage(0xF2, 0x01, 0x02)), "F2 01 02");
  EXPECT_EQ(PackShortMessage(0x93, 60, 100), 0x643C93u);
}

}  // namespace
}  // namespace tarnwick
