#include "upfile/grid_state.h"

#include <gtest/gtest.h>

#include "upfile/grid_columns.h"
#include "upfile/qt_printers.h"
#include "upfile/transfer_buttons.h"

namespace tarnwick {
namespace {

TEST(GridState, SelectionIsTheBlockBetweenAnchorAndActiveRowInDisplayOrder) {
  const std::vector<int> ids = {40, 10, 30, 20, 50};
  GridState state;
  ReadSelection(state, 3, 1, ids);
  EXPECT_EQ(state.FirstRow, 1);
  EXPECT_EQ(state.LastRow, 3);
  EXPECT_EQ(state.SelRow, 1);
  EXPECT_EQ(state.SelCount, 3);
  EXPECT_EQ(state.SelID, 10);
  EXPECT_EQ(SelectedIDs(state, ids), (std::vector<int>{10, 30, 20}));

  ReadSelection(state, 0, 0, {});
  EXPECT_EQ(state.SelID, -1);
  EXPECT_EQ(state.SelCount, 0);
  EXPECT_TRUE(SelectedIDs(state, {}).empty());
}

TEST(GridState, SelectorsWrapBothWays) {
  EXPECT_EQ(CycleSelector(0, kToneCycleCount, -1), 15);
  EXPECT_EQ(CycleSelector(2, kPadCycleCount, 1), 0);
  EXPECT_EQ(ToneLabelText(15), QStringLiteral("AC6 Tone"));
  EXPECT_EQ(HeaderToolTip(kColPad, {2, 0, 0}), QStringLiteral("D-Beam Controller [L:Sort | R:Align]"));
  EXPECT_EQ(NextAlignment(Qt::AlignRight), Qt::AlignLeft);
}

TEST(TransferButtonsShown, FollowRowsAndSelectionSizesOfBothGrids) {
  const TransferButtons both = VisibleTransferButtons({5, 7}, {2, 2});
  EXPECT_TRUE(both.copy[0] && both.copy[1] && both.insert[1] && both.append[0] && both.remove[1]);
  EXPECT_FALSE(VisibleTransferButtons({5, 7}, {2, 3}).copy[0]);

  const TransferButtons oneEmpty = VisibleTransferButtons({5, 0}, {1, 0});
  EXPECT_FALSE(oneEmpty.copy[0] || oneEmpty.insert[0] || oneEmpty.insert[1]);
  EXPECT_TRUE(oneEmpty.append[0] && oneEmpty.remove[0]);
  EXPECT_FALSE(oneEmpty.append[1] || oneEmpty.remove[1]);
}

}  // namespace
}  // namespace tarnwick
