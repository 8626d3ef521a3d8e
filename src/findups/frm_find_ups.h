// SPDX-License-Identifier: GPL-3.0-or-later
// The "Find UPs" window: every UP of the player's folders, searched as the player types. The
// catalog is brought up to date when the window opens and on "Scan Now", off the window thread
// with a progress bar and Cancel. A double-click (or Enter) on a result asks for its file to be
// opened with the UP selected; selected results drag into a UP grid.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "catalog/catalog_search.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;

namespace tarnwick {

class CatalogDb;
class CatalogResultsModel;
class ScanRunner;

class FrmFindUPs : public QWidget {
  Q_OBJECT

 public:
  // Picks a folder to add; empty when the player cancels.
  using FolderChooser = std::function<QString()>;

  explicit FrmFindUPs(const QString& catalogPath, QWidget* parent = nullptr);
  ~FrmFindUPs() override;

  void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
  void addFolder(const QString& folder);
  void scanNow();
  bool scanning() const;
  void search();
  CatalogResultsModel& results() const { return *results_; }
  QTableView& resultsView() const { return *table_; }

 signals:
  void openRequested(const QString& path, int id);
  void addToStageRequested(const std::vector<CatalogHit>& hits);  // from the results' menu
  void scanFinished();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void buildResultsTable();
  QWidget* buildFolderRow();
  QWidget* buildScanRow();
  void openCatalog();
  void showFolders();
  void showLoadProblems();
  void onScanProgress(int done, int total);
  void onScanFinished();
  void onRemoveFolder();
  void onActivated(int row);
  void offerResultsMenu(const QPoint& at);
  void showStatus(const QString& text);

  std::unique_ptr<CatalogDb> catalog_;
  ScanRunner* runner_ = nullptr;
  CatalogResultsModel* results_ = nullptr;
  FolderChooser chooseFolder_;
  QLineEdit* searchBox_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* status_ = nullptr;
  QListWidget* folders_ = nullptr;
  QPushButton* scanButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* problemsLabel_ = nullptr;
  QListWidget* problems_ = nullptr;
  QString openMessage_;  // the catalog's one message at opening (rebuilt, failed)
};

}  // namespace tarnwick
