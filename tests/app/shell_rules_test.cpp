// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's rules that need no window: where the main window and the views go, where the
// program and its data are, and which view a stored setting names.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/menu_items.h"
#include "app/program_folder.h"
#include "app/view_geometry.h"
#include "support/temp_folder.h"

namespace tarnwick {
namespace {

TEST(MainWindowPlacement, WideScreenGetsTheFixedSizeSmallScreenIsMaximized) {
  const MainWindowPlace wide = MainWindowPlacement(QSize(1280, 1024));
  EXPECT_FALSE(wide.maximized);
  EXPECT_EQ(wide.geometry, QRect(128, 102, 1034, 749));  // 15510 x 11240 twips
  // 1024 pixels are 15360 twips: not wider than the limit.
  const MainWindowPlace small = MainWindowPlacement(QSize(1024, 768));
  EXPECT_TRUE(small.maximized);
  EXPECT_EQ(small.geometry, QRect(102, 77, 819, 614));
  EXPECT_FALSE(MainWindowPlacement(QSize(1025, 768)).maximized);
}

TEST(ViewPlacement, CentredOnlyWhenTheMainWindowIsLargerThanTheViewsNeed) {
  const QSize client(1100, 760);
  EXPECT_EQ(FitChildRect(QSize(1034, 749), client), QRect(40, 34, 1020, 692));
  // 15360 x 11220 twips exactly is not enough: 1024 x 748 pixels.
  EXPECT_EQ(FitChildRect(QSize(1024, 800), client), QRect(0, 0, 1020, 692));
  EXPECT_EQ(FitChildRect(QSize(1100, 748), client), QRect(0, 0, 1020, 692));
  EXPECT_EQ(FitChildRect(QSize(1034, 749), QSize(1000, 680)), QRect(0, 0, 1020, 692));  // never out of sight
  // The tone windows sit side by side and move as one block.
  const auto atLeft = ToneWindowRects(QSize(1000, 700), QSize(1000, 680));
  EXPECT_EQ(atLeft[2], QRect(760, 0, 260, 692));
  const auto centred = ToneWindowRects(QSize(1200, 900), QSize(1200, 876));
  EXPECT_EQ(centred[0], QRect(90, 92, 380, 692));
  EXPECT_EQ(centred[2], QRect(850, 92, 260, 692));
  // A browser whose names need more room gets it; the block stays whole and centred.
  const auto wider = ToneWindowRects(QSize(1200, 900), QSize(1200, 876), {440, 0, 0});
  EXPECT_EQ(wider[0], QRect(60, 92, 440, 692));
  EXPECT_EQ(wider[2], QRect(880, 92, 260, 692));
  const auto narrow = ToneWindowRects(QSize(1000, 700), QSize(1000, 680), {440, 440, 100});
  EXPECT_EQ(narrow[2], QRect(880, 0, 120, 692));
}

TEST(StoredView, OnlyOneToFourNameAnotherViewThanTheUserProgramView) {
  EXPECT_EQ(ViewFromActiveMenu("1"), View::DiskLink);
  EXPECT_EQ(ViewFromActiveMenu("2"), View::Tone);
  EXPECT_EQ(ViewFromActiveMenu("3"), View::Keyboard);
  EXPECT_EQ(ViewFromActiveMenu("4"), View::Stage);
  for (const char* other : {"0", "5", "-1", "", " 2", "2.0", "Tone"}) {
    EXPECT_EQ(ViewFromActiveMenu(other), View::UPFile) << other;
  }
}

TEST(Folders, DataIsSoughtInTheOverrideThenBesideTheProgramThenTheInstalledFolder) {
  // Trailing separators go; the root keeps its own.
  EXPECT_EQ(ProgramFolderFrom("/opt/tarnwick/bin//"), "/opt/tarnwick/bin");
  EXPECT_EQ(ProgramFolderFrom("/"), "/");
  testing::TempFolder folder;
  const auto make = [&](const std::string& relative) {
    std::filesystem::create_directories(folder.path() / relative);
    return std::filesystem::weakly_canonical(folder.path() / relative).string();
  };
  const std::string bin = make("prefix/bin");
  const std::string share = make("prefix/share/tarnwick");
  const std::string elsewhere = make("elsewhere");
  EXPECT_EQ(FindDataFolder(bin, {}), bin) << "no data anywhere: the program folder";
  testing::WriteBytes(share + "/ToneList.dat", "x");
  EXPECT_EQ(FindDataFolder(bin, {}), share);
  testing::WriteBytes(bin + "/DefaultNewFile.upt", "x");
  EXPECT_EQ(FindDataFolder(bin, {}), bin);
  EXPECT_EQ(FindDataFolder(bin, QString::fromStdString(elsewhere + "/")), elsewhere);
}

}  // namespace
}  // namespace tarnwick
