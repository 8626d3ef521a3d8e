// SPDX-License-Identifier: GPL-3.0-or-later
#include "findups/frm_find_ups.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "catalog/catalog_db.h"
#include "catalog/catalog_search.h"
#include "findups/catalog_results_model.h"
#include "findups/scan_runner.h"

namespace tarnwick {
namespace {

// Enter on a result opens it, as a double-click does.
class ResultsView : public QTableView {
 public:
  using QTableView::QTableView;
  std::function<void(int row)> activate;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
      activate(currentIndex().row());
      return;
    }
    QTableView::keyPressEvent(event);
  }
};

QString HitCountText(const CatalogHits& found) {
  if (found.more) return QStringLiteral("More than %1 UPs: type more to narrow it down").arg(found.hits.size());
  return found.hits.size() == 1 ? QStringLiteral("1 UP") : QStringLiteral("%1 UPs").arg(found.hits.size());
}

}  // namespace

FrmFindUPs::FrmFindUPs(const QString& catalogPath, QWidget* parent)
    : QWidget(parent, Qt::Window), catalog_(std::make_unique<CatalogDb>(catalogPath)) {
  setObjectName(QStringLiteral("frmFindUPs"));
  setWindowTitle(QStringLiteral("Find UPs"));
  chooseFolder_ = [this] { return QFileDialog::getExistingDirectory(this, QStringLiteral("Add Folder")); };
  runner_ = new ScanRunner(catalogPath, this);
  connect(runner_, &ScanRunner::progress, this, &FrmFindUPs::onScanProgress);
  connect(runner_, &ScanRunner::finished, this, &FrmFindUPs::onScanFinished);
  buildControls();
  openCatalog();
  resize(760, 560);
}

FrmFindUPs::~FrmFindUPs() = default;

void FrmFindUPs::buildControls() {
  auto* layout = new QVBoxLayout(this);
  searchBox_ = new QLineEdit(this);
  searchBox_->setObjectName(QStringLiteral("txt_FindUPs"));
  searchBox_->setAccessibleName(QStringLiteral("Search"));
  searchBox_->setPlaceholderText(QStringLiteral("Name, style or song; tempo:120  tempo:100-120  style:D88  name:  song:"));
  searchBox_->setClearButtonEnabled(true);
  connect(searchBox_, &QLineEdit::textChanged, this, &FrmFindUPs::search);

  buildResultsTable();

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lbl_FindUPsStatus"));
  status_->setWordWrap(true);
  problemsLabel_ = new QLabel(QStringLiteral("Files that did not load:"), this);
  problems_ = new QListWidget(this);
  problems_->setObjectName(QStringLiteral("lst_LoadProblems"));
  problems_->setAccessibleName(problemsLabel_->text());
  problems_->setMaximumHeight(80);

  layout->addWidget(searchBox_);
  layout->addWidget(table_, 1);
  layout->addWidget(status_);
  layout->addWidget(buildScanRow());
  layout->addWidget(buildFolderRow());
  layout->addWidget(problemsLabel_);
  layout->addWidget(problems_);
  problemsLabel_->hide();
  problems_->hide();
}

// Rows of the File, ID, UP, Name, Style, Tempo and Song of each hit; sorted by a header click,
// opened with a double-click or Enter, dragged out as UPs.
void FrmFindUPs::buildResultsTable() {
  results_ = new CatalogResultsModel(this);
  auto* table = new ResultsView(this);
  table->activate = [this](int row) { onActivated(row); };
  table_ = table;
  table_->setObjectName(QStringLiteral("grd_FindUPs"));
  table_->setAccessibleName(QStringLiteral("Found UPs"));
  table_->setModel(results_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(-1, Qt::AscendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setDragEnabled(true);
  table_->setDragDropMode(QAbstractItemView::DragOnly);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(CatalogResultsModel::kFile, 180);
  for (const int col : {CatalogResultsModel::kID, CatalogResultsModel::kUP, CatalogResultsModel::kTempo})
    table_->setColumnWidth(col, 56);
  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { onActivated(index.row()); });
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table_, &QTableView::customContextMenuRequested, this, &FrmFindUPs::offerResultsMenu);
}

// The results' right-click menu: the selected UPs go to the Stage view's set list.
void FrmFindUPs::offerResultsMenu(const QPoint& at) {
  std::vector<CatalogHit> hits;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) hits.push_back(results_->hit(index.row()));
  QMenu menu(this);
  QAction* toStage = menu.addAction(QStringLiteral("Add to Stage"));
  toStage->setObjectName(QStringLiteral("mnu_FindAddToStage"));
  toStage->setEnabled(!hits.empty());
  if (menu.exec(table_->viewport()->mapToGlobal(at)) == toStage) emit addToStageRequested(hits);
}

void FrmFindUPs::openCatalog() {
  const CatalogOpenResult opened = catalog_->open();
  openMessage_ = opened.message;
  showStatus(openMessage_);
  searchBox_->setEnabled(opened.ok);
  showFolders();
  showLoadProblems();
}

void FrmFindUPs::search() {
  if (!catalog_->db().isOpen()) return;
  const QString text = searchBox_->text();
  const CatalogHits found = FindInCatalog(*catalog_, ParseSearchText(text));
  results_->setHits(found.hits);
  if (!found.problem.isEmpty()) {
    showStatus(found.problem);
  } else {
    showStatus(text.trimmed().isEmpty() ? QString() : HitCountText(found));
  }
}

void FrmFindUPs::showStatus(const QString& text) {
  status_->setText(text.isEmpty() ? openMessage_ : text);
}

void FrmFindUPs::onActivated(int row) {
  if (row < 0 || row >= results_->rowCount()) return;
  emit openRequested(results_->hit(row).path, results_->hit(row).id);
}

void FrmFindUPs::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  scanNow();
  searchBox_->setFocus();
}

}  // namespace tarnwick
