// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, Insert, Append and Delete on the UP records, without the window.
#include "upfile/transfers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
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

TEST(Transfer, CopyPairsTheKthSourceWithTheKthTargetAndKeepsEveryByte) {
  UPFile source = SampleFile(10, 1000);
  source.up(7)[455] = 0xAB;  // a byte no accessor reads
  UPFile target = SampleFile(10);
  ASSERT_TRUE(CopyUPs(source, {7, 2, 5}, target, {0, 1, 9}));
  EXPECT_EQ(target.up(0), source.up(7));
  const std::vector<int> copied = {1007, 1002, 2, 3, 4, 5, 6, 7, 8, 1005};
  EXPECT_EQ(Marks(target), copied);

  // Unpaired blocks and IDs outside the file are refused and change nothing.
  EXPECT_FALSE(CopyUPs(source, {1, 2}, target, {3}));
  EXPECT_FALSE(AppendUPs(source, {10}, target));
  EXPECT_FALSE(InsertUPs(source, {0}, target, 11));
  EXPECT_FALSE(DeleteUPs(target, {-1}));
  EXPECT_EQ(Marks(target), copied);
}

TEST(Transfer, InsertMovesTheTailUpAndKeepsEveryByte) {
  UPFile source = SampleFile(5, 1000);
  source.up(4)[455] = 0xAB;
  UPFile target = SampleFile(6);
  ASSERT_TRUE(InsertUPs(source, {4, 0, 2}, target, 2));
  EXPECT_EQ(Marks(target), (std::vector<int>{0, 1, 1004, 1000, 1002, 2, 3, 4, 5}));
  EXPECT_EQ(target.up(2), source.up(4));

  UPFile same = SampleFile(6);  // inserting from the file itself reads the source first
  ASSERT_TRUE(InsertUPs(same, {4, 5}, same, 0));
  EXPECT_EQ(Marks(same), (std::vector<int>{4, 5, 0, 1, 2, 3, 4, 5}));
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
    if (round == 0) {
      doomed.resize(static_cast<std::size_t>(count));
      std::iota(doomed.begin(), doomed.end(), 0);  // everything
    }
    std::vector<int> expected;
    for (int id = 0; id < count; ++id) {
      if (std::find(doomed.begin(), doomed.end(), id) == doomed.end()) expected.push_back(id);
    }
    ASSERT_TRUE(DeleteUPs(file, doomed));
    ASSERT_EQ(Marks(file), expected);
  }
}

}  // namespace
}  // namespace tarnwick

namespace tarnwick {
namespace {

// Each transfer, recorded as a step, is undone to the file's exact bytes and redone to the same
// result as the transfer itself.
TEST(TransferStep, EveryTransferUndoesAndRedoesByteForByte) {
  const UPFile source = testing::SampleFile(6, 1000);
  struct Case {
    const char* what;
    std::function<TransferChange(UPFile&)> run;
  };
  const Case cases[] = {
      {"Copy of 2 UPs", [&](UPFile& t) { return CopyUPsStep(source, {4, 1}, t, {5, 0}); }},
      {"Insert of 3 UPs", [&](UPFile& t) { return InsertUPsStep(source, {5, 0, 2}, t, 2); }},
      {"Append of 1 UP", [&](UPFile& t) { return AppendUPsStep(source, {3}, t); }},
      {"Delete of 3 UPs", [&](UPFile& t) { return DeleteUPsStep(t, {5, 1, 3, 1}); }},
  };
  for (const Case& c : cases) {
    UPFile target = testing::SampleFile(7);
    const UPFile before = target;
    TransferChange change = c.run(target);
    ASSERT_TRUE(change.result) << c.what;
    EXPECT_EQ(change.step.what, c.what);
    const UPFile after = target;
    FileHistory history;
    history.Record(std::move(change.step));
    ASSERT_TRUE(history.Undo(target));
    EXPECT_EQ(Marks(target), Marks(before)) << c.what;
    EXPECT_TRUE(std::equal(before.records.begin(), before.records.begin() + before.count, target.records.begin()));
    ASSERT_TRUE(history.Redo(target));
    EXPECT_EQ(Marks(target), Marks(after)) << c.what;
  }
  // A refused transfer changes nothing and gives no step to record.
  UPFile full = testing::SampleFile(3);
  EXPECT_FALSE(DeleteUPsStep(full, {3}).result);
  EXPECT_EQ(full.count, 3);

  // The delete of a whole library keeps its records once.
  UPFile library;
  SetUPCount(library, kMaxUPCount);
  std::vector<int> all(kMaxUPCount);
  std::iota(all.begin(), all.end(), 0);
  const TransferChange wholeLibrary = DeleteUPsStep(library, all);
  ASSERT_TRUE(wholeLibrary.result);
  EXPECT_EQ(library.count, 0);
  EXPECT_LT(wholeLibrary.step.Bytes(), std::size_t{kMaxUPCount} * (sizeof(UPRecord) + 8));
}

}  // namespace
}  // namespace tarnwick
