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
  // A client area smaller than the view never pushes it out of sight.
  EXPECT_EQ(FitChildRect(QSize(1034, 749), QSize(1000, 680)), QRect(0, 0, 1020, 692));
}

TEST(ViewPlacement, ToneWindowsSitSideBySideAndMoveAsOneBlock) {
  const auto atLeft = ToneWindowRects(QSize(1000, 700), QSize(1000, 680));
  EXPECT_EQ(atLeft[0], QRect(0, 0, 380, 692));
  EXPECT_EQ(atLeft[1], QRect(380, 0, 380, 692));
  EXPECT_EQ(atLeft[2], QRect(760, 0, 260, 692));

  const auto centred = ToneWindowRects(QSize(1200, 900), QSize(1200, 876));
  EXPECT_EQ(centred[0], QRect(90, 92, 380, 692));
  EXPECT_EQ(centred[2].left(), 90 + 760);
  EXPECT_EQ(centred[2].right() - centred[0].left() + 1, 1020);
}

TEST(StoredView, OnlyOneToThreeNameAnotherViewThanTheUserProgramView) {
  EXPECT_EQ(ViewFromActiveMenu("1"), View::DiskLink);
  EXPECT_EQ(ViewFromActiveMenu("2"), View::Tone);
  EXPECT_EQ(ViewFromActiveMenu("3"), View::Keyboard);
  for (const char* other : {"0", "4", "-1", "", " 2", "2.0", "Tone"}) {
    EXPECT_EQ(ViewFromActiveMenu(other), View::UPFile) << other;
  }
  for (View view : {View::UPFile, View::DiskLink, View::Tone, View::Keyboard}) {
    EXPECT_EQ(ViewOfMenuItem(MenuItemOfView(view)), view);
  }
  EXPECT_FALSE(ViewOfMenuItem("mnuAbout").has_value());
}

class DataFolderTest : public ::testing::Test {
 protected:
  std::string make(const std::string& relative) {
    const auto path = folder_.path() / relative;
    std::filesystem::create_directories(path);
    return std::filesystem::weakly_canonical(path).string();
  }
  void putList(const std::string& folder) { testing::WriteBytes(folder + "/ToneList.dat", "x"); }
  testing::TempFolder folder_;
};

TEST_F(DataFolderTest, ProgramFolderLosesTrailingSeparatorsButTheRootStays) {
  EXPECT_EQ(ProgramFolderFrom("/opt/tarnwick/bin/"), "/opt/tarnwick/bin");
  EXPECT_EQ(ProgramFolderFrom("/opt/tarnwick/bin//"), "/opt/tarnwick/bin");
  EXPECT_EQ(ProgramFolderFrom("/opt/tarnwick/bin"), "/opt/tarnwick/bin");
  EXPECT_EQ(ProgramFolderFrom("/"), "/");
}

TEST_F(DataFolderTest, BesideTheProgramFirstThenTheInstalledFolder) {
  const std::string bin = make("prefix/bin");
  const std::string share = make("prefix/share/tarnwick");
  EXPECT_EQ(FindDataFolder(bin, {}), bin) << "no data anywhere: the program folder";
  putList(share);
  EXPECT_EQ(FindDataFolder(bin, {}), share);
  testing::WriteBytes(bin + "/DefaultNewFile.upt", "x");
  EXPECT_EQ(FindDataFolder(bin, {}), bin);
}

TEST_F(DataFolderTest, TheOverrideWinsEvenOverDataBesideTheProgram) {
  const std::string bin = make("bin");
  const std::string elsewhere = make("elsewhere");
  putList(bin);
  EXPECT_EQ(FindDataFolder(bin, QString::fromStdString(elsewhere + "/")), elsewhere);
}

}  // namespace
}  // namespace tarnwick
