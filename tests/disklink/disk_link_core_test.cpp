// Listing, sorting, renaming and copying Disk Link names, and the one place that changes a
// header and marks its file.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "disklink/disk_link_edits.h"
#include "disklink/disk_link_list.h"
#include "disklink/dl_grid_model.h"

namespace tarnwick {
namespace {

struct TwoFiles {
  UPData data;
  std::array<bool, 2> modified{false, false};
  HeaderChanges changes{data, modified};
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

std::vector<int> Ids(const std::vector<DLRow>& rows) {
  std::vector<int> ids;
  for (const DLRow& row : rows) ids.push_back(row.id);
  return ids;
}

TEST(DiskLinkList, FiltersMatchCodeAndNameInAnyCase) {
  UPSHeader header{};
  for (int i = 0; i < kDiskLinkCount; ++i) SetDiskLinkName(header, i, "        ");
  SetDiskLinkName(header, 3, "Ballad 1");
  SetDiskLinkName(header, 90, "BALLADS ");

  const auto all = ListDiskLinks(header, QString(), QString());
  ASSERT_EQ(all.size(), 111u);
  EXPECT_EQ(all[0].code, QStringLiteral("C31"));
  EXPECT_EQ(all[47].code, QStringLiteral("C88"));
  EXPECT_EQ(all[48].code, QStringLiteral("D11"));
  EXPECT_EQ(all[110].code, QStringLiteral("D87"));
  EXPECT_EQ(all[0].name, QStringLiteral("        "));  // shown untrimmed

  EXPECT_EQ(Ids(ListDiskLinks(header, QStringLiteral("d8"), QString())),
            (std::vector<int>{104, 105, 106, 107, 108, 109, 110}));
  EXPECT_EQ(Ids(ListDiskLinks(header, QString(), QStringLiteral("ballad"))), (std::vector<int>{3, 90}));
  EXPECT_EQ(Ids(ListDiskLinks(header, QStringLiteral("C3"), QStringLiteral("ballad"))),
            (std::vector<int>{3}));
  // Blank names hold only blanks: a filter with any other character passes none of them.
  EXPECT_EQ(ListDiskLinks(header, QString(), QStringLiteral(" x")).size(), 0u);
}

TEST(DiskLinkList, SortsByColumnAndTogglesOnTheSameHeader) {
  UPSHeader header{};
  for (int i = 0; i < kDiskLinkCount; ++i) SetDiskLinkName(header, i, "Same    ");
  SetDiskLinkName(header, 5, "10      ");
  SetDiskLinkName(header, 6, "9       ");
  SetDiskLinkName(header, 7, "alpha   ");
  SetDiskLinkName(header, 8, "Zulu    ");
  auto rows = ListDiskLinks(header, QString(), QString());

  DLSelection selection;
  selection.sortOrder = 2;
  SortByHeader(selection, 0);  // load: toggles to ascending by ID
  EXPECT_EQ(selection.sortOrder, 1);
  SortByHeader(selection, 2);
  EXPECT_EQ(selection.sortColumn, 2);
  EXPECT_EQ(selection.sortOrder, 1);
  SortDiskLinkRows(rows, 2, selection.sortOrder);
  // Numbers as numbers, text without regard to case, ties in ID order.
  const std::vector<int> sorted = Ids(rows);
  EXPECT_EQ((std::vector<int>(sorted.begin(), sorted.begin() + 5)), (std::vector<int>{6, 5, 7, 0, 1}));
  EXPECT_EQ(rows.back().id, 8);
  SortByHeader(selection, 2);
  EXPECT_EQ(selection.sortOrder, 2);
  SortDiskLinkRows(rows, 0, selection.sortOrder);
  EXPECT_EQ(rows.front().id, 110);
}

TEST(DiskLinkList, SelectionReadOutTakesTheFirstRowsId) {
  UPSHeader header{};
  auto rows = ListDiskLinks(header, QString(), QString());
  SortDiskLinkRows(rows, 0, 2);
  DLSelection selection;
  ReadSelection(selection, rows, 7, 4);
  EXPECT_EQ(selection.first, 4);
  EXPECT_EQ(selection.last, 7);
  EXPECT_EQ(selection.count, 4);
  EXPECT_EQ(selection.selID, 106);
  ReadSelection(selection, {}, 0, 0);
  EXPECT_EQ(selection.count, 0);
  EXPECT_EQ(selection.selID, -1);
  EXPECT_EQ(selection.first, -1);
}

TEST(DiskLinkEdits, RenameStoresAnEightCharacterFieldAndMarksOnlyChanges) {
  TwoFiles files;
  const UPSHeader original = files.data.files[0].header;

  EXPECT_TRUE(RenameDiskLink(files.changes, 0, 4, QStringLiteral("Ten chars!")));
  EXPECT_EQ(files.name(0, 4), "Ten char");
  EXPECT_TRUE(files.modified[0]);
  EXPECT_FALSE(files.modified[1]);
  ASSERT_EQ(files.heard.size(), 1u);
  EXPECT_EQ(files.heard[0].before, original);

  EXPECT_TRUE(RenameDiskLink(files.changes, 0, 4, QString()));
  EXPECT_EQ(files.name(0, 4), "        ");
  EXPECT_TRUE(RenameDiskLink(files.changes, 0, 5, QStringLiteral("\u20ac 5")));
  EXPECT_EQ(files.name(0, 5), "\x80 5     ");

  // Only the name bytes of the entry change; the 4 bytes after each name stay.
  UPSHeader expected = original;
  SetDiskLinkName(expected, 4, "        ");
  SetDiskLinkName(expected, 5, "\x80 5     ");
  EXPECT_EQ(files.data.files[0].header, expected);

  TwoFiles unchanged;
  EXPECT_FALSE(RenameDiskLink(unchanged.changes, 1, 2, QStringLiteral("Right2")));
  EXPECT_FALSE(RenameDiskLink(unchanged.changes, 1, 111, QStringLiteral("Nowhere")));
  EXPECT_FALSE(unchanged.modified[1]);
  EXPECT_TRUE(unchanged.heard.empty());
}

TEST(DiskLinkEdits, CopyPairsListsByPositionIntoTheOtherFile) {
  TwoFiles files;
  const UPSHeader source = files.data.files[0].header;
  // Source rows in descending order, target rows ascending: first goes to first.
  EXPECT_TRUE(CopyDiskLinkNames(files.changes, 0, {30, 20, 10}, {1, 2, 3}));
  EXPECT_EQ(files.name(1, 1), "Left30  ");
  EXPECT_EQ(files.name(1, 2), "Left20  ");
  EXPECT_EQ(files.name(1, 3), "Left10  ");
  EXPECT_EQ(files.name(1, 4), "Right4  ");
  EXPECT_TRUE(files.modified[1]);
  EXPECT_FALSE(files.modified[0]);
  EXPECT_EQ(files.data.files[0].header, source);

  EXPECT_FALSE(CopyDiskLinkNames(files.changes, 1, {1, 2}, {7}));
  EXPECT_FALSE(CopyDiskLinkNames(files.changes, 1, {}, {}));
  EXPECT_FALSE(CopyDiskLinkNames(files.changes, 0, {30}, {1}));  // same name already there
  EXPECT_EQ(files.heard.size(), 1u);
}

TEST(DiskLinkEdits, AChangeBuiltOnAStaleHeaderIsRefused) {
  TwoFiles files;
  const UPSHeader before = files.data.files[0].header;
  UPSHeader after = before;
  SetDiskLinkName(after, 0, "First   ");
  ASSERT_TRUE(files.changes.ChangeFileHeader(0, before, after));
  UPSHeader late = before;
  SetDiskLinkName(late, 1, "Late    ");
  EXPECT_FALSE(files.changes.ChangeFileHeader(0, before, late));
  EXPECT_EQ(files.name(0, 0), "First   ");
  EXPECT_EQ(files.name(0, 1), "Left1   ");
}

TEST(DiskLinkModel, ServesRowsAndAlignmentsToViews) {
  DLGridModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  UPSHeader header{};
  SetDiskLinkName(header, 47, "Last C  ");
  model.setRows(ListDiskLinks(header, QStringLiteral("C8"), QString()));
  ASSERT_EQ(model.rowCount(), 8);
  EXPECT_EQ(model.columnCount(), 3);
  EXPECT_EQ(model.data(model.index(7, 1)).toString(), QStringLiteral("C88"));
  EXPECT_EQ(model.data(model.index(7, 2)).toString(), QStringLiteral("Last C  "));
  EXPECT_EQ(model.rowOfId(47), 7);
  EXPECT_EQ(model.rowOfId(48), -1);
  model.setAlignment(2, Qt::AlignHCenter);
  EXPECT_TRUE(model.data(model.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHCenter);
  model.setRows({});
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace tarnwick
