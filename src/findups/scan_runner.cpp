// SPDX-License-Identifier: GPL-3.0-or-later
#include "findups/scan_runner.h"

#include <QPointer>
#include <QThread>

#include "catalog/catalog_db.h"

namespace tarnwick {

ScanRunner::ScanRunner(QString catalogPath, QObject* parent) : QObject(parent), catalogPath_(std::move(catalogPath)) {}

ScanRunner::~ScanRunner() {
  if (thread_ == nullptr) return;
  control_->cancel = true;
  thread_->wait();
  delete thread_;
}

bool ScanRunner::start(std::vector<std::string> folders) {
  if (thread_ != nullptr) return false;
  control_ = std::make_unique<ScanControl>();
  ScanControl* control = control_.get();
  control->progress = [this](int done, int total) {
    QMetaObject::invokeMethod(this, [this, done, total] { emit progress(done, total); }, Qt::QueuedConnection);
  };
  thread_ = QThread::create([this, control, folders = std::move(folders), path = catalogPath_] {
    ScanReport report;
    CatalogDb catalog(path);
    const CatalogOpenResult opened = catalog.open();
    if (opened.ok) {
      report = ScanFolders(catalog, folders, *control);
    } else {
      report.error = opened.message;
    }
    QMetaObject::invokeMethod(this, [this, report = std::move(report)]() mutable { finish(std::move(report)); },
                              Qt::QueuedConnection);
  });
  thread_->start();
  return true;
}

void ScanRunner::cancel() {
  if (control_) control_->cancel = true;
}

void ScanRunner::finish(ScanReport report) {
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  report_ = std::move(report);
  emit finished();
}

}  // namespace tarnwick
