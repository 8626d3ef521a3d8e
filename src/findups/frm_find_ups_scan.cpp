// SPDX-License-Identifier: GPL-3.0-or-later
// The folders of the Find UPs window and the scans that keep the catalog up to date with them.
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSizePolicy>

#include "catalog/catalog_db.h"
#include "catalog/catalog_store.h"
#include "findups/frm_find_ups.h"
#include "findups/scan_runner.h"

namespace tarnwick {
namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAccessibleName(text);
  return button;
}

QString ScanSummary(const ScanReport& report) {
  if (!report.error.isEmpty()) return QStringLiteral("The catalog could not be written: %1").arg(report.error);
  QString text = report.cancelled ? QStringLiteral("Scan cancelled: ") : QStringLiteral("Scanned: ");
  text += QStringLiteral("%1 files read, %2 unchanged, %3 removed").arg(report.read).arg(report.unchanged).arg(report.removed);
  if (!report.unreadable.empty()) text += QStringLiteral("; %1 could not be read").arg(report.unreadable.size());
  return text;
}

}  // namespace

QWidget* FrmFindUPs::buildScanRow() {
  auto* host = new QWidget(this);
  auto* row = new QHBoxLayout(host);
  row->setContentsMargins(0, 0, 0, 0);
  progress_ = new QProgressBar(host);
  progress_->setObjectName(QStringLiteral("prg_Scan"));
  progress_->setAccessibleName(QStringLiteral("Scan progress"));
  cancel_ = Button(QStringLiteral("Cancel"), "cmd_CancelScan", host);
  connect(cancel_, &QPushButton::clicked, runner_, &ScanRunner::cancel);
  row->addWidget(progress_, 1);
  row->addWidget(cancel_);
  for (QWidget* widget : {static_cast<QWidget*>(progress_), static_cast<QWidget*>(cancel_)}) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->hide();
  }
  return host;
}

QWidget* FrmFindUPs::buildFolderRow() {
  auto* host = new QWidget(this);
  auto* row = new QHBoxLayout(host);
  row->setContentsMargins(0, 0, 0, 0);
  folders_ = new QListWidget(host);
  folders_->setObjectName(QStringLiteral("lst_CatalogFolders"));
  folders_->setAccessibleName(QStringLiteral("Folders"));
  folders_->setMaximumHeight(72);
  auto* buttons = new QVBoxLayout;
  QPushButton* add = Button(QStringLiteral("Add Folder..."), "cmd_AddFolder", host);
  QPushButton* remove = Button(QStringLiteral("Remove Folder"), "cmd_RemoveFolder", host);
  scanButton_ = Button(QStringLiteral("Scan Now"), "cmd_ScanNow", host);
  connect(add, &QPushButton::clicked, this, [this] {
    const QString folder = chooseFolder_();
    if (!folder.isEmpty()) addFolder(folder);
  });
  connect(remove, &QPushButton::clicked, this, &FrmFindUPs::onRemoveFolder);
  connect(scanButton_, &QPushButton::clicked, this, &FrmFindUPs::scanNow);
  for (QPushButton* button : {add, remove, scanButton_}) buttons->addWidget(button);
  row->addWidget(new QLabel(QStringLiteral("Folders:"), host), 0, Qt::AlignTop);
  row->addWidget(folders_, 1);
  row->addLayout(buttons);
  return host;
}

void FrmFindUPs::addFolder(const QString& folder) {
  CatalogStore(*catalog_).addFolder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
  showFolders();
  scanNow();
}

void FrmFindUPs::onRemoveFolder() {
  QListWidgetItem* item = folders_->currentItem();
  if (item == nullptr || scanning()) return;
  CatalogStore(*catalog_).removeFolder(item->text());
  showFolders();
  showLoadProblems();
  search();
}

void FrmFindUPs::showFolders() {
  folders_->clear();
  if (catalog_->db().isOpen()) folders_->addItems(CatalogStore(*catalog_).folders());
}

void FrmFindUPs::showLoadProblems() {
  problems_->clear();
  if (catalog_->db().isOpen()) {
    for (const LoadProblem& problem : CatalogStore(*catalog_).loadProblems())
      problems_->addItem(QStringLiteral("%1: %2").arg(problem.path, problem.message.simplified()));
  }
  problemsLabel_->setVisible(problems_->count() > 0);
  problems_->setVisible(problems_->count() > 0);
}

bool FrmFindUPs::scanning() const { return runner_->running(); }

void FrmFindUPs::scanNow() {
  if (!catalog_->db().isOpen() || scanning()) return;
  std::vector<std::string> folders;
  for (const QString& folder : CatalogStore(*catalog_).folders()) folders.push_back(folder.toStdString());
  if (folders.empty()) {
    showStatus(QStringLiteral("Add the folders that hold your .UPS files."));
    return;
  }
  runner_->start(std::move(folders));
  progress_->setRange(0, 0);  // busy until the first file is read
  progress_->show();
  cancel_->show();
  scanButton_->setEnabled(false);
  showStatus(QStringLiteral("Scanning..."));
}

void FrmFindUPs::onScanProgress(int done, int total) {
  progress_->setRange(0, total);
  progress_->setValue(done);
}

void FrmFindUPs::onScanFinished() {
  progress_->hide();
  cancel_->hide();
  scanButton_->setEnabled(true);
  showLoadProblems();
  search();
  showStatus(ScanSummary(runner_->lastReport()));
  emit scanFinished();
}

}  // namespace tarnwick
