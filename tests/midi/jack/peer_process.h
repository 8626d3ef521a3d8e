// Runs midi_jack_peer beside a test and talks to it line by line.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

namespace tarnwick::test {

class PeerProcess {
 public:
  explicit PeerProcess(const QStringList& arguments) {
    process_.setProgram(QStringLiteral(TARNWICK_JACK_PEER));
    process_.setArguments(arguments);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
  }
  ~PeerProcess() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(2000);
    }
  }

  // The next line the peer prints, without its line end; empty after `timeoutMs` or at its exit.
  std::string readLine(int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine()) {
      const int left = timeoutMs - static_cast<int>(clock.elapsed());
      if (left <= 0 || !process_.waitForReadyRead(left)) return {};
    }
    return process_.readLine().trimmed().toStdString();
  }

  std::vector<std::string> readLines(int count, int timeoutMs = 5000) {
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < count) {
      std::string line = readLine(timeoutMs);
      if (line.empty()) break;
      lines.push_back(std::move(line));
    }
    return lines;
  }

  void writeLine(const char* line) {
    process_.write(line);
    process_.write("\n");
    process_.waitForBytesWritten(2000);
  }

  // The peer's exit code, or -1 when it has not finished within `timeoutMs`.
  int exitCode(int timeoutMs = 5000) {
    if (!process_.waitForFinished(timeoutMs)) return -1;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
  }

 private:
  QProcess process_;
};

}  // namespace tarnwick::test
