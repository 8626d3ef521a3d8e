// SPDX-License-Identifier: GPL-3.0-or-later
// Scanning folders into the catalog: what is read again and what is not, and the faults a
// player's disk can throw at it.
#include <sys/stat.h>
#include <unistd.h>

#include <QSqlQuery>
#include <filesystem>
#include <fstream>
#include <thread>

#include "catalog/catalog_store.h"
#include "catalog_fixture.h"

namespace tarnwick::testing {
namespace {

namespace fs = std::filesystem;
using Found = std::vector<std::string>;

void Touch(const std::string& path, int secondsLater) {
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(secondsLater));
}

using CatalogScanTest = CatalogFixture;

TEST_F(CatalogScanTest, ReadsNewAndChangedFilesOnlyAndForgetsRemovedOnes) {
  writeFile("a.UPS", {"Piano", "Organ"});
  writeFile("b.ups", {"Strings"});
  const std::string gone = writeFile("c.Ups", {"Brass"});
  ScanReport first = scan();
  EXPECT_EQ(first.read, 3);
  EXPECT_EQ(find("organ"), (Found{"a.UPS:1"}));

  ScanReport again = scan();
  EXPECT_EQ(again.read, 0);
  EXPECT_EQ(again.unchanged, 3);

  writeFile("a.UPS", {"Piano", "Accord"});
  Touch(upsPath("a.UPS"), 5);
  fs::remove(gone);
  ScanReport changed = scan();
  EXPECT_EQ(changed.read, 1);
  EXPECT_EQ(changed.unchanged, 1);
  EXPECT_EQ(changed.removed, 1);
  EXPECT_TRUE(find("organ").empty());
  EXPECT_EQ(find("accord"), (Found{"a.UPS:1"}));
  EXPECT_TRUE(find("brass").empty());
  EXPECT_EQ(CatalogStore(*catalog).upCount(), 3);
}

// A link back to a parent, a folder that cannot be read (a link to itself), a FIFO named like a
// UPS file and a file that is no UPS file: the scan ends, lists what it could not read or load,
// and keeps going. The files it knew in the folder it could not read may still be there: they stay.
TEST_F(CatalogScanTest, SurvivesLinkLoopsUnreadableFoldersFifosAndBadFiles) {
  writeFile("good.UPS", {"Piano"});
  fs::create_directories(upsPath("sub"));
  writeFile("sub/deep.UPS", {"Organ"});
  fs::create_directory_symlink("..", upsPath("sub/back"));
  fs::create_directories(upsPath("self"));
  writeFile("self/usb.UPS", {"Brass"});
  scan();
  fs::remove_all(upsPath("self"));
  fs::create_directory_symlink("self", upsPath("self"));
  ASSERT_EQ(mkfifo(upsPath("x.UPS").c_str(), 0600), 0);
  std::ofstream(upsPath("bad.UPS")) << "not a user program file";

  const ScanReport report = scan();
  EXPECT_EQ(report.read, 1);  // bad.UPS; the FIFO is passed over
  EXPECT_EQ(report.removed, 0);
  EXPECT_EQ(report.unreadable, std::vector<std::string>{upsPath("self")});
  EXPECT_EQ(find("brass"), (Found{"usb.UPS:0"}));
  EXPECT_EQ(find("piano"), (Found{"good.UPS:0"}));  // once, though the loop reaches it again
  EXPECT_EQ(find("organ"), (Found{"deep.UPS:0"}));
  const std::vector<LoadProblem> problems = CatalogStore(*catalog).loadProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].path.toStdString(), upsPath("bad.UPS"));
  EXPECT_TRUE(problems[0].message.contains(QStringLiteral("Is NOT a Valid User Program File")));
}

TEST_F(CatalogScanTest, AFileChangedOrDeletedWhileScannedEndsUpAsItIsOnDisk) {
  const std::string changing = writeFile("changing.UPS", {"Before"});
  const std::string leaving = writeFile("leaving.UPS", {"Gone"});
  ScanControl control;
  control.beforeRead = [&](const std::string& path) {
    if (path == changing) {
      writeFile("changing.UPS", {"After", "Second"});
      Touch(changing, 5);
    }
    if (path == leaving) fs::remove(leaving);
  };
  const ScanReport report = ScanFolders(*catalog, {upsFolder()}, control);
  EXPECT_EQ(report.read, 1);
  EXPECT_EQ(find("after"), (Found{"changing.UPS:0"}));
  EXPECT_TRUE(find("before").empty());
  EXPECT_TRUE(find("gone").empty());
  EXPECT_TRUE(CatalogStore(*catalog).loadProblems().empty());
  // The stamp stored is the one of what was read: nothing to read again.
  EXPECT_EQ(scan().read, 0);
}

TEST_F(CatalogScanTest, ACancelledScanKeepsWhatItFinished) {
  for (int k = 0; k < 60; ++k) writeFile("f" + std::to_string(k) + ".UPS", {"Piano"});
  ScanControl control;
  control.progress = [&](int done, int) {
    if (done == 10) control.cancel = true;
  };
  const ScanReport report = ScanFolders(*catalog, {upsFolder()}, control);
  EXPECT_TRUE(report.cancelled);
  EXPECT_GE(report.read, 10);
  EXPECT_LT(report.read, 60);
  EXPECT_EQ(static_cast<int>(find("piano").size()), report.read);
  EXPECT_EQ(scan().read, 60 - report.read);
}

// A database that is garbage, of another version, or gone is made anew; the folders of a
// readable one are kept.
TEST_F(CatalogScanTest, AnUnreadableDatabaseIsRebuiltWithOneMessage) {
  CatalogStore(*catalog).addFolder(QString::fromStdString(upsFolder()));
  QSqlQuery(catalog->db()).exec(QStringLiteral("PRAGMA user_version=7"));
  const QString path = catalog->path();
  catalog.reset();
  // Each run opens the database anew, after the last one closed it.
  const auto run = [&path] {
    CatalogDb next(path);
    const CatalogOpenResult opened = next.open();
    return std::pair{opened, CatalogStore(next).folders()};
  };
  auto [otherVersion, kept] = run();
  EXPECT_TRUE(otherVersion.ok && otherVersion.rebuilt);
  EXPECT_EQ(otherVersion.message, QString::fromLatin1(kCatalogRebuiltMessage));
  EXPECT_EQ(kept, QStringList{QString::fromStdString(upsFolder())});

  std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc) << std::string(8192, 'x');
  const auto garbage = run().first;
  EXPECT_TRUE(garbage.ok && garbage.rebuilt);

  fs::remove(path.toStdString());
  const auto deleted = run().first;
  EXPECT_TRUE(deleted.ok);
  EXPECT_FALSE(deleted.rebuilt);
  EXPECT_TRUE(deleted.message.isEmpty());
}

// Two programs write at once: the second waits for the first's transaction, neither fails.
TEST_F(CatalogScanTest, TwoCatalogUsersWaitForEachOther) {
  writeFile("a.UPS", {"Piano"});
  CatalogDb other(catalog->path());
  ASSERT_TRUE(other.open().ok);
  CatalogStore holder(other);
  ASSERT_TRUE(holder.begin());
  ASSERT_TRUE(holder.addFolder(QStringLiteral("/somewhere")));  // holds the write lock
  ScanReport report;
  std::thread scanner([&] {
    CatalogDb mine(catalog->path());
    ASSERT_TRUE(mine.open().ok);
    ScanControl control;
    report = ScanFolders(mine, {upsFolder()}, control);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(holder.commit());
  scanner.join();
  EXPECT_TRUE(report.error.isEmpty()) << report.error.toStdString();
  EXPECT_EQ(report.read, 1);
  EXPECT_EQ(find("piano").size(), 1u);
}

}  // namespace
}  // namespace tarnwick::testing
