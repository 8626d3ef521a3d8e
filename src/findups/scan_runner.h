// SPDX-License-Identifier: GPL-3.0-or-later
// Runs catalog scans off the window thread, one at a time, each with its own database connection.
// Progress and the end of a scan come back to the window thread as signals; Cancel stops between
// files and keeps what was stored.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "catalog/catalog_scan.h"

class QThread;

namespace tarnwick {

class ScanRunner : public QObject {
  Q_OBJECT

 public:
  explicit ScanRunner(QString catalogPath, QObject* parent = nullptr);
  ~ScanRunner() override;  // cancels a running scan and waits for it

  // False when a scan is running already.
  bool start(std::vector<std::string> folders);
  void cancel();
  bool running() const { return thread_ != nullptr; }
  const ScanReport& lastReport() const { return report_; }

 signals:
  void progress(int done, int total);
  void finished();

 private:
  void finish(ScanReport report);

  QString catalogPath_;
  QThread* thread_ = nullptr;
  std::unique_ptr<ScanControl> control_;
  ScanReport report_;
};

}  // namespace tarnwick
