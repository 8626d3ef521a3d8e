// The edits of a UP (one place that changes records) and the texts of the edit panel's tables.
#include <gtest/gtest.h>

#include "upfile/qt_printers.h"
#include "upfile/record_edit.h"
#include "upfile/up_edit_tables.h"
#include "upfile/up_samples.h"

namespace tarnwick {
namespace {

class RecordEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data.files[0] = testing::SampleFile(3);
    data.files[1] = testing::SampleFile(2, 1000);
    SetUPText8(data.files[0].up(1), kUPNameOffset, "  Pad   ");  // blanks the pop-up trims away
  }
  const UPRecord& up(int file, int id) const { return data.files[static_cast<std::size_t>(file)].up(id); }

  UPData data;
  std::array<bool, 2> modified{false, false};
};

TEST_F(RecordEditTest, AnEditChangesOnlyItsRecordAndMarksOnlyItsFile) {
  const UPData original = data;
  const std::optional<RecordEdit> edit =
      TextFieldEdit(data, 1, 1, kSongNameOffset, QStringLiteral("Waltz"));
  ASSERT_TRUE(edit.has_value());
  EXPECT_TRUE(ApplyRecordEdit(data, modified, *edit));
  EXPECT_EQ(GetUPText8(up(1, 1), kSongNameOffset), "Waltz   ");
  EXPECT_EQ(modified, (std::array<bool, 2>{false, true}));
  UPRecord expected = original.files[1].up(1);
  SetUPText8(expected, kSongNameOffset, "Waltz");
  EXPECT_EQ(up(1, 1), expected);
  EXPECT_EQ(up(1, 0), original.files[1].up(0));
  EXPECT_EQ(data.files[0].records, original.files[0].records);

  // The same edit again finds the record changed since and writes nothing.
  modified = {false, false};
  RecordEdit stale = *edit;
  SetUPText8(stale.after, kSongNameOffset, "Tango");
  EXPECT_FALSE(ApplyRecordEdit(data, modified, stale));
  EXPECT_EQ(GetUPText8(up(1, 1), kSongNameOffset), "Waltz   ");
  EXPECT_FALSE(modified[1]);
  stale.id = 2;  // beyond the file
  EXPECT_FALSE(ApplyRecordEdit(data, modified, stale));
}

TEST_F(RecordEditTest, AValueEqualToTheStoredOneMakesNoEdit) {
  EXPECT_FALSE(TextFieldEdit(data, 0, 1, kUPNameOffset, QStringLiteral("Pad")).has_value());
  EXPECT_FALSE(TempoEdit(data, 0, 2, GetUPTempo(up(0, 2))).has_value());
  const std::optional<RecordEdit> clamped = TempoEdit(data, 0, 0, 300);
  ASSERT_TRUE(clamped.has_value());
  EXPECT_EQ(GetUPTempo(clamped->after), kTempoMax);
  SetUPTempo(data.files[0].up(0), kTempoMax);
  EXPECT_FALSE(TempoEdit(data, 0, 0, 300).has_value());
  RecordEdit unchanged{0, 0, up(0, 0), up(0, 0)};
  EXPECT_FALSE(ApplyRecordEdit(data, modified, unchanged));
  EXPECT_FALSE(modified[0]);
}

// A name must come back from the file as it was typed: a character without a byte in the code
// page, a line break or a tab is refused, never stored as a wrong byte.
TEST_F(RecordEditTest, OnlyTextsTheFileCanHoldAreStored) {
  const std::optional<RecordEdit> euro = TextFieldEdit(data, 0, 0, kUPNameOffset, QStringLiteral("5€ Bé?"));
  ASSERT_TRUE(euro.has_value());
  EXPECT_EQ(GetUPText8(euro->after, kUPNameOffset), "5\x80 B\xE9?  ");
  for (const QString& text : {QStringLiteral("Łódź"), QStringLiteral("a\tb"), QStringLiteral("a\nb"),
                              QStringLiteral("音")}) {
    EXPECT_FALSE(TextFieldEdit(data, 0, 0, kUPNameOffset, text).has_value()) << text.toStdString();
    EXPECT_FALSE(EncodeText8(text).has_value());
  }
}

TEST(EditPanelTables, PartFlagsShowEveryState) {
  UPRecord up{};
  const NameTables names;
  up[field::PartOff.offset + 3] = 0x8F;  // LW1: off, wrap bit, EQ off, link off, muted
  up[field::PartOff.offset + 12] = 0x28;  // AC3: "800", wrap full
  const QStringList cleared = {"ON", "ON", "ON", "ON", "Old"};
  const QStringList allSet = {"OFF", "OFF", "OFF", "Mut", "Old"};
  QStringList part0, part3;
  for (int col : {3, 9, 10, 11, 12}) {
    part0 << PartTableCell(names, up, 0, col);
    part3 << PartTableCell(names, up, 3, col);
  }
  EXPECT_EQ(part0, cleared);
  EXPECT_EQ(part3, allSet);
  EXPECT_EQ(PartTableCell(names, up, 3, 0), QStringLiteral("11"));
  EXPECT_EQ(PartTableCell(names, up, 3, 1), QStringLiteral("LW1"));
  EXPECT_EQ(ToneTableCell(up, 3, 6), QString());  // wrap range only for the arranger parts
  EXPECT_EQ(ToneTableCell(up, 12, 6), QStringLiteral("Ful"));
  EXPECT_EQ(ToneTableCell(up, 12, 3), QStringLiteral("800"));
  EXPECT_EQ(ToneTableCell(up, 3, 5), QStringLiteral("Mut"));
  EXPECT_EQ(ToneTableCell(up, 3, 4), QStringLiteral("OFF"));
}

TEST(EditPanelTables, ToneBytesShowTheirValues) {
  UPRecord up{};
  const NameTables names;
  const auto tone = [&up](int part, int which) -> std::uint8_t& { return up[161 + 3 * part + which]; };
  tone(10, 0) = 0x80;  // AC1: arranger tone, bank 0
  tone(2, 0) = 0xD1;   // UP3: bit 7 set on a keyboard part is never shown
  tone(2, 1) = 0x22;
  tone(2, 2) = 127;
  up[field::PartVolume.offset + 2] = 0xE4;  // bit 7 not shown
  EXPECT_EQ(ToneTableCell(up, 10, 0), QStringLiteral("0"));
  EXPECT_EQ(ToneTableCell(up, 10, 7), QStringLiteral("Arr"));
  EXPECT_EQ(ToneTableCell(up, 11, 7), QStringLiteral("Usr"));
  EXPECT_EQ(ToneTableCell(up, 2, 0), QStringLiteral("81"));
  EXPECT_EQ(ToneTableCell(up, 2, 7), QString());
  EXPECT_EQ(ToneTableCell(up, 2, 1), QStringLiteral("34"));
  EXPECT_EQ(ToneTableCell(up, 2, 2), QStringLiteral("128"));
  EXPECT_EQ(ToneTableCell(up, 0, 2), QStringLiteral("1"));
  EXPECT_EQ(PartTableCell(names, up, 2, 4), QStringLiteral("100"));
}

}  // namespace
}  // namespace tarnwick
