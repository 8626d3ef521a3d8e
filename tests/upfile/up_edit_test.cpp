// SPDX-License-Identifier: GPL-3.0-or-later
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
  std::array<FileHistory, 2> history;
};

TEST_F(RecordEditTest, AnEditChangesOnlyItsRecordAndMarksOnlyItsFile) {
  const UPData original = data;
  const std::optional<RecordEdit> edit =
      TextFieldEdit(data, 1, 1, kSongNameOffset, QStringLiteral("Waltz"));
  ASSERT_TRUE(edit.has_value());
  EXPECT_TRUE(ApplyRecordEdit(data, history, *edit));
  EXPECT_EQ(GetUPText8(up(1, 1), kSongNameOffset), "Waltz   ");
  EXPECT_FALSE(history[0].Modified());
  EXPECT_TRUE(history[1].Modified());
  EXPECT_EQ(history[1].UndoWhat(), "Song of A12");
  UPRecord expected = original.files[1].up(1);
  SetUPText8(expected, kSongNameOffset, "Waltz");
  EXPECT_EQ(up(1, 1), expected);
  EXPECT_EQ(up(1, 0), original.files[1].up(0));
  EXPECT_EQ(data.files[0].records, original.files[0].records);

  // The same edit again finds the record changed since and writes nothing.
  history[1].Reset();
  RecordEdit stale = *edit;
  SetUPText8(stale.after, kSongNameOffset, "Tango");
  EXPECT_FALSE(ApplyRecordEdit(data, history, stale));
  EXPECT_EQ(GetUPText8(up(1, 1), kSongNameOffset), "Waltz   ");
  EXPECT_FALSE(history[1].Modified());
  stale.id = 2;  // beyond the file
  EXPECT_FALSE(ApplyRecordEdit(data, history, stale));
}

TEST_F(RecordEditTest, AValueEqualToTheStoredOneMakesNoEdit) {
  EXPECT_FALSE(TextFieldEdit(data, 0, 1, kUPNameOffset, QStringLiteral("Pad")).has_value());
  EXPECT_FALSE(TempoEdit(data, 0, 2, GetUPTempo(up(0, 2))).has_value());
  const std::optional<RecordEdit> clamped = TempoEdit(data, 0, 0, 300);
  ASSERT_TRUE(clamped.has_value());
  EXPECT_EQ(GetUPTempo(clamped->after), kTempoMax);
  SetUPTempo(data.files[0].up(0), kTempoMax);
  EXPECT_FALSE(TempoEdit(data, 0, 0, 300).has_value());
  RecordEdit unchanged{0, 0, up(0, 0), up(0, 0), "Edit"};
  EXPECT_FALSE(ApplyRecordEdit(data, history, unchanged));
  EXPECT_FALSE(history[0].Modified());
}

// The edit stores the name's bytes, and makes none of a name the file cannot hold (the rule
// itself is tested with the stored names, tests/updata).
TEST_F(RecordEditTest, OnlyTextsTheFileCanHoldAreStored) {
  const std::optional<RecordEdit> euro = TextFieldEdit(data, 0, 0, kUPNameOffset, QStringLiteral("5€ Bé?"));
  ASSERT_TRUE(euro.has_value());
  EXPECT_EQ(GetUPText8(euro->after, kUPNameOffset), "5\x80 B\xE9?  ");
  EXPECT_FALSE(TextFieldEdit(data, 0, 0, kUPNameOffset, QStringLiteral("Łódź")).has_value());
}

// Flag bytes 0x00 and 0x8F, an arranger tone bank of 0x80 and program 127, as the panel shows them.
// The flag rules themselves are tested with the value names; here, which cell shows which.
TEST(EditPanelTables, FlagAndToneBytesShowAsThePlayerReadsThem) {
  UPRecord up{};
  const NameTables names;
  up[field::PartOff.offset + kPartLW1] = 0xEF;  // every flag, song tone change 3 (no name of its own)
  up[field::PartOff.offset + kPartAC3] = 0x28;  // "800", wrap full
  up[161 + 3 * kPartAC1] = 0x80;                // arranger tone, bank 0
  up[163 + 3 * kPartUP3] = 127;
  QStringList cleared, allSet;
  for (int col : {3, 9, 10, 11, 12}) {
    cleared << PartTableCell(names, up, kPartUP1, col);
    allSet << PartTableCell(names, up, kPartLW1, col);
  }
  EXPECT_EQ(cleared, QStringList({"ON", "ON", "ON", "ON", "Old"}));
  EXPECT_EQ(allSet, QStringList({"OFF", "OFF", "OFF", "Mut", ""}));
  EXPECT_EQ(ToneTableCell(up, kPartLW1, 3), QString()) << "both tables name the song tone change alike";
  EXPECT_EQ(PartTableCell(names, up, kPartLW1, 0) + PartTableCell(names, up, kPartLW1, 1), QStringLiteral("11LW1"));
  EXPECT_EQ(ToneTableCell(up, kPartAC3, 6) + ToneTableCell(up, kPartAC3, 3), QStringLiteral("Ful800"));
  EXPECT_EQ(ToneTableCell(up, kPartAC1, 0) + ToneTableCell(up, kPartAC1, 7), QStringLiteral("0Arr"));
  EXPECT_EQ(ToneTableCell(up, kPartUP3, 2), QStringLiteral("128"));
}

}  // namespace
}  // namespace tarnwick
