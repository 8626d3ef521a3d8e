// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of every kind of change, byte for byte, the saved mark following the history,
// and the history's memory bound.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/ups_builder.h"
#include "updata/file_history.h"
#include "updata/ups_file.h"

namespace tarnwick {
namespace {

UPFile RandomFile(int count, std::uint32_t seed) {
  UPFile file;
  SetUPCount(file, count);
  const std::string bytes = testing::RandomBytes(kUPSHeaderSize + sizeof(UPRecord) * static_cast<std::size_t>(count), seed);
  std::copy(bytes.begin(), bytes.begin() + kUPSHeaderSize, file.header.begin());
  for (int id = 0; id < count; ++id) {
    std::copy_n(bytes.begin() + kUPSHeaderSize + static_cast<std::ptrdiff_t>(sizeof(UPRecord)) * id, sizeof(UPRecord),
                file.up(id).begin());
  }
  return file;
}

// The bytes a save would write (it stores the magic and count into the header first).
std::string Bytes(UPFile& file) { return SerializeUPSFile(file); }

UPRecord Filled(std::uint8_t value) {
  UPRecord record;
  record.fill(value);
  return record;
}

// Makes `step`'s change (as a command would), records it, and checks undo and redo byte for byte.
void ExpectRoundTrip(UPFile& file, FileStep step, bool (*make)(UPFile&, const FileStep&)) {
  FileHistory history;
  const std::string before = Bytes(file);
  ASSERT_TRUE(make(file, step));
  const std::string after = Bytes(file);
  ASSERT_NE(before, after);
  history.Record(std::move(step));
  ASSERT_TRUE(history.Undo(file));
  EXPECT_EQ(Bytes(file), before);
  ASSERT_TRUE(history.Redo(file));
  EXPECT_EQ(Bytes(file), after);
  EXPECT_FALSE(history.Redo(file));
}

TEST(FileHistoryTest, EachKindOfChangeUndoesAndRedoesByteForByte) {
  UPFile file = RandomFile(10, 7);
  FileStep overwrite{FileStep::Kind::Overwrite, "Rename of A13", {2, 9}, {file.up(2), file.up(9)},
                     {Filled(1), Filled(2)}, {}};
  ExpectRoundTrip(file, overwrite, [](UPFile& f, const FileStep& s) {
    f.up(2) = s.after[0], f.up(9) = s.after[1];
    return true;
  });
  // Inserted so that the new records become IDs 0, 4, 5 and 13 of a file of 14.
  FileStep insert{FileStep::Kind::Insert, "Insert of 4 UPs", {0, 4, 5, 13}, {},
                  {Filled(3), Filled(4), Filled(5), Filled(6)}, {}};
  ExpectRoundTrip(file, insert, [](UPFile& f, const FileStep& s) { return InsertRecordsAt(f, s.ids, s.after); });
  EXPECT_EQ(file.count, 14);
  EXPECT_EQ(file.up(5), Filled(5));
  FileStep remove{FileStep::Kind::Remove, "Delete of 3 UPs", {1, 2, 13}, {file.up(1), file.up(2), file.up(13)}, {}, {}};
  ExpectRoundTrip(file, remove, [](UPFile& f, const FileStep& s) { return RemoveRecordsAt(f, s.ids); });
  EXPECT_EQ(file.count, 11);
  FileStep header{FileStep::Kind::Header, "Rename of D11", {}, {}, {}, {{kDiskLinkOffset + 4, {}, {'N', 'e', 'w'}}}};
  header.patches[0].before.assign(file.header.begin() + kDiskLinkOffset + 4, file.header.begin() + kDiskLinkOffset + 7);
  ExpectRoundTrip(file, header, [](UPFile& f, const FileStep& s) {
    std::copy(s.patches[0].after.begin(), s.patches[0].after.end(), f.header.begin() + s.patches[0].offset);
    return true;
  });
}

TEST(FileHistoryTest, StepsThatDoNotFitTheFileChangeNothing) {
  UPFile file = RandomFile(3, 9);
  const std::string before = Bytes(file);
  EXPECT_FALSE(RemoveRecordsAt(file, {1, 3}));                           // 3 is past the end
  EXPECT_FALSE(InsertRecordsAt(file, {2, 1}, {Filled(0), Filled(1)}));   // not ascending
  EXPECT_FALSE(InsertRecordsAt(file, {0, 5}, {Filled(0), Filled(1)}));   // 5 would be past the end
  EXPECT_EQ(Bytes(file), before);
  FileHistory history;
  history.Record({FileStep::Kind::Overwrite, "Edit", {7}, {Filled(0)}, {Filled(1)}, {}});
  EXPECT_FALSE(history.Undo(file));  // ID 7 is not in this file
  EXPECT_EQ(Bytes(file), before);
  EXPECT_EQ(history.UndoWhat(), "Edit");
}

TEST(FileHistoryTest, TheUnsavedMarkFollowsTheHistory) {
  UPFile file = RandomFile(2, 3);
  FileHistory history;
  const auto edit = [&](std::uint8_t value) {
    FileStep step{FileStep::Kind::Overwrite, "Edit", {0}, {file.up(0)}, {Filled(value)}, {}};
    file.up(0) = Filled(value);
    history.Record(std::move(step));
  };
  EXPECT_FALSE(history.Modified());
  edit(1);
  EXPECT_TRUE(history.Modified());
  history.Undo(file);
  EXPECT_FALSE(history.Modified());  // back at the loaded state
  history.Redo(file);
  history.MarkSaved();
  EXPECT_FALSE(history.Modified());
  history.Undo(file);
  EXPECT_TRUE(history.Modified());
  edit(2);  // the saved state was undone away and can no longer be reached
  history.Undo(file);
  EXPECT_TRUE(history.Modified());
  EXPECT_FALSE(history.CanUndo());
  history.Reset();
  EXPECT_FALSE(history.Modified());
  EXPECT_EQ(history.UndoWhat(), "");
}

TEST(FileHistoryTest, MemoryIsBoundedByDroppingTheOldestSteps) {
  UPFile file = RandomFile(1, 5);
  const std::size_t stepBytes = FileStep{FileStep::Kind::Overwrite, "Edit", {0}, {Filled(0)}, {Filled(0)}, {}}.Bytes();
  FileHistory history(3 * stepBytes);
  for (std::uint8_t v = 1; v <= 5; ++v) {
    FileStep step{FileStep::Kind::Overwrite, "Edit", {0}, {file.up(0)}, {Filled(v)}, {}};
    file.up(0) = Filled(v);
    history.Record(std::move(step));
  }
  EXPECT_EQ(history.StepCount(), 3u);
  EXPECT_LE(history.Bytes(), 3 * stepBytes);
  while (history.Undo(file)) {
  }
  EXPECT_EQ(file.up(0), Filled(2));  // the two oldest steps are gone
  EXPECT_TRUE(history.Modified());   // and with them the way back to the loaded state
}

}  // namespace
}  // namespace tarnwick
