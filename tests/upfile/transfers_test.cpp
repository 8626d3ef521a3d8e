#include "upfile/transfers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "upfile/up_samples.h"

namespace tarnwick {
namespace {

using testing::MarkOf;
using testing::SampleFile;

std::vector<int> Marks(const UPFile& file) {
  std::vector<int> marks;
  for (int id = 0; id < file.count; ++id) marks.push_back(MarkOf(file.up(id)));
  return marks;
}

TEST(Transfer, CopyPairsTheKthSourceWithTheKthTarget) {
  const UPFile source = SampleFile(10, 1000);
  UPFile target = SampleFile(10);
  ASSERT_TRUE(CopyUPs(source, {7, 2, 5}, target, {0, 1, 9}));
  EXPECT_EQ(MarkOf(target.up(0)), 1007);
  EXPECT_EQ(MarkOf(target.up(1)), 1002);
  EXPECT_EQ(MarkOf(target.up(9)), 1005);
  EXPECT_EQ(target.count, 10);
  EXPECT_EQ(target.up(3), SampleFile(10).up(3));
  EXPECT_FALSE(CopyUPs(source, {1, 2}, target, {3}));
}

TEST(Transfer, InsertMovesTheTailUpAndKeepsEveryByte) {
  UPFile source = SampleFile(5, 1000);
  source.up(4)[455] = 0xAB;  // a byte no accessor reads
  UPFile target = SampleFile(20);
  ASSERT_TRUE(InsertUPs(source, {4, 0, 2}, target, 10));
  ASSERT_EQ(target.count, 23);
  EXPECT_EQ(MarkOf(target.up(10)), 1004);
  EXPECT_EQ(target.up(10)[455], 0xAB);
  EXPECT_EQ(MarkOf(target.up(11)), 1000);
  EXPECT_EQ(MarkOf(target.up(12)), 1002);
  EXPECT_EQ(MarkOf(target.up(13)), 10);  // the old UP 10
  EXPECT_EQ(MarkOf(target.up(22)), 19);
  EXPECT_EQ(MarkOf(target.up(9)), 9);
}

TEST(Transfer, InsertIntoTheSameFileReadsTheSourceFirst) {
  UPFile file = SampleFile(6);
  ASSERT_TRUE(InsertUPs(file, {4, 5}, file, 0));
  EXPECT_EQ(Marks(file), (std::vector<int>{4, 5, 0, 1, 2, 3, 4, 5}));
}

TEST(Transfer, InsertStopsAt65535AndLeavesTheTargetAsItWas) {
  const UPFile source = SampleFile(2, 1000);
  UPFile target = SampleFile(kMaxUPCount - 1);
  const TransferResult refused = InsertUPs(source, {0, 1}, target, 0);
  EXPECT_EQ(refused.message, "More than 65535 ID's - Insert Failed");
  EXPECT_EQ(target.count, kMaxUPCount - 1);
  EXPECT_EQ(MarkOf(target.up(0)), 0);
  ASSERT_TRUE(InsertUPs(source, {1}, target, 0));
  EXPECT_EQ(MarkOf(target.up(0)), 1001);
  EXPECT_EQ(MarkOf(target.up(kMaxUPCount - 1)), (kMaxUPCount - 2) & 0xFFFF);
}

TEST(Transfer, RefusesIDsThatAreNotInTheFile) {
  const UPFile source = SampleFile(3);
  UPFile target = SampleFile(3, 100);
  EXPECT_FALSE(AppendUPs(source, {3}, target));
  EXPECT_FALSE(InsertUPs(source, {0}, target, 4));
  EXPECT_FALSE(DeleteUPs(target, {-1}));
  EXPECT_EQ(Marks(target), (std::vector<int>{100, 101, 102}));
}

// Deleting any set of IDs, in any order and with repeats, leaves the others in their order.
TEST(Transfer, DeleteClosesUpLikeRemovingOneByOne) {
  std::mt19937 random(3);
  for (int round = 0; round < 50; ++round) {
    const int count = 1 + static_cast<int>(random() % 60);
    UPFile file = SampleFile(count);
    std::vector<int> doomed;
    for (int k = static_cast<int>(random() % (count + 3)); k > 0; --k)
      doomed.push_back(static_cast<int>(random() % count));
    std::vector<int> expected;
    for (int id = 0; id < count; ++id) {
      if (std::find(doomed.begin(), doomed.end(), id) == doomed.end()) expected.push_back(id);
    }
    ASSERT_TRUE(DeleteUPs(file, doomed));
    ASSERT_EQ(Marks(file), expected);
  }
}

TEST(Transfer, DeletingEverythingLeavesAnEmptyFile) {
  UPFile file = SampleFile(192);
  std::vector<int> all(192);
  for (int id = 0; id < 192; ++id) all[static_cast<std::size_t>(id)] = id;
  ASSERT_TRUE(DeleteUPs(file, all));
  EXPECT_EQ(file.count, 0);
  EXPECT_EQ(file.records.size(), 1u);
}

}  // namespace
}  // namespace tarnwick
