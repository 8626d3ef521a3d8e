// SPDX-License-Identifier: GPL-3.0-or-later
// Renaming and copying Disk Link names, and the one place that changes a header and marks its
// file.
#include <gtest/gtest.h>

#include "disklink/disk_link_edits.h"

namespace tarnwick {
namespace {

struct TwoFiles {
  UPData data;
  std::array<FileHistory, 2> history;
  HeaderChanges changes{data, history};
  std::vector<HeaderChange> heard;

  TwoFiles() {
    for (int file = 0; file < 2; ++file) {
      for (int i = 0; i < kDiskLinkCount; ++i) {
        const std::string name = (file == 0 ? "Left" : "Right") + std::to_string(i);
        SetDiskLinkName(data.files[static_cast<std::size_t>(file)].header, i, name.substr(0, 8));
      }
    }
    changes.setListener([this](const HeaderChange& change) { heard.push_back(change); });
  }
  std::string name(int file, int index) const {
    return GetDiskLinkName(data.files[static_cast<std::size_t>(file)].header, index);
  }
};

TEST(DiskLinkEdits, RenameChangesOnlyTheNameBytesAndMarksOnlyChanges) {
  TwoFiles files;
  const UPSHeader original = files.data.files[0].header;

  EXPECT_TRUE(RenameDiskLink(files.changes, 0, 4, QString()));
  EXPECT_FALSE(files.history[1].Modified());
  ASSERT_EQ(files.heard.size(), 1u);
  EXPECT_EQ(files.heard[0].before, original);
  EXPECT_TRUE(RenameDiskLink(files.changes, 0, 5, QStringLiteral("\u20ac 5")));
  EXPECT_EQ(files.name(0, 5), "\x80 5     ");

  // Only the name bytes of the entry change; the 4 bytes after each name stay.
  UPSHeader expected = original;
  SetDiskLinkName(expected, 4, "        ");
  SetDiskLinkName(expected, 5, "\x80 5     ");
  EXPECT_EQ(files.data.files[0].header, expected);
  // Each rename is a step of its own that undoes to the exact bytes before it.
  EXPECT_EQ(files.history[0].UndoWhat(), "Rename of C36");
  ASSERT_TRUE(files.history[0].Undo(files.data.files[0]) && files.history[0].Undo(files.data.files[0]));
  EXPECT_EQ(files.data.files[0].header, original);
  EXPECT_FALSE(files.history[0].Modified());

  TwoFiles unchanged;
  EXPECT_FALSE(RenameDiskLink(unchanged.changes, 1, 2, QStringLiteral("Right2")));
  EXPECT_FALSE(RenameDiskLink(unchanged.changes, 1, 2, QStringLiteral("\u0141\u00f3d\u017a")));  // not "?\xF3d?"
  EXPECT_FALSE(RenameDiskLink(unchanged.changes, 1, 111, QStringLiteral("Nowhere")));
  EXPECT_FALSE(unchanged.history[1].Modified());
  EXPECT_TRUE(unchanged.heard.empty());
}

TEST(DiskLinkEdits, AChangeBuiltOnAStaleHeaderIsRefused) {
  TwoFiles files;
  const UPSHeader before = files.data.files[0].header;
  UPSHeader after = before;
  SetDiskLinkName(after, 0, "First   ");
  ASSERT_TRUE(files.changes.ChangeFileHeader(0, before, after, "Edit"));
  UPSHeader late = before;
  SetDiskLinkName(late, 1, "Late    ");
  EXPECT_FALSE(files.changes.ChangeFileHeader(0, before, late, "Edit"));
  EXPECT_EQ(files.name(0, 0), "First   ");
  EXPECT_EQ(files.name(0, 1), "Left1   ");
}

}  // namespace
}  // namespace tarnwick
