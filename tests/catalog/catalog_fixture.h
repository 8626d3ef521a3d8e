// SPDX-License-Identifier: GPL-3.0-or-later
// A catalog in a private folder, with named UPS files written beside it.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <memory>

#include "catalog/catalog_db.h"
#include "catalog/catalog_scan.h"
#include "catalog/catalog_search.h"
#include "support/temp_folder.h"
#include "updata/ups_file.h"

namespace tarnwick::testing {

// Qt SQL finds its driver through the application object.
inline void EnsureCoreApplication() {
  static int argc = 1;
  static char name[] = "catalog_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* application = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
  (void)application;
}

class CatalogFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureCoreApplication();
    std::filesystem::create_directories(folder.path() / "ups");
    catalog = std::make_unique<CatalogDb>(QString::fromStdString(folder.file("catalog.sqlite")));
    ASSERT_TRUE(catalog->open().ok);
  }

  std::string upsFolder() const { return folder.file("ups"); }
  std::string upsPath(const std::string& name) const { return (folder.path() / "ups" / name).string(); }

  // A file of UPs named by `names` (tempo 100 + ID) at ups/<file>.
  std::string writeFile(const std::string& file, const std::vector<std::string>& names) {
    UPFile ups;
    SetUPCount(ups, static_cast<int>(names.size()));
    for (int id = 0; id < ups.count; ++id) {
      SetUPText8(ups.up(id), kUPNameOffset, names[static_cast<std::size_t>(id)]);
      SetUPTempo(ups.up(id), 100 + id);
    }
    const std::string path = upsPath(file);
    EXPECT_TRUE(SaveUPSFile(ups, path).ok);
    return path;
  }

  ScanReport scan() {
    ScanControl control;
    return ScanFolders(*catalog, {upsFolder()}, control);
  }

  // "file:id" of each hit, for short comparisons.
  std::vector<std::string> find(const QString& text) {
    std::vector<std::string> found;
    for (const CatalogHit& hit : FindInCatalog(*catalog, ParseSearchText(text)).hits)
      found.push_back(std::filesystem::path(hit.path.toStdString()).filename().string() + ":" + std::to_string(hit.id));
    return found;
  }

  TempFolder folder;
  std::unique_ptr<CatalogDb> catalog;
};

}  // namespace tarnwick::testing
