// SPDX-License-Identifier: GPL-3.0-or-later
// The tone browser with the shipped tone list (2038 entries), as a player types into the name
// filter: each keystroke runs the change handling, the fill, the re-selection and a repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "lists/name_lists.h"
#include "tone/frm_tone_browser.h"

namespace tarnwick {
namespace {

struct Browser {
  Browser() {
    const QByteArray folder = qEnvironmentVariableIsSet("TARNWICK_DATA_DIR")
                                  ? qgetenv("TARNWICK_DATA_DIR")
                                  : QCoreApplication::applicationDirPath().toUtf8();
    const std::string error = LoadToneList(tables, folder.toStdString());
    if (!error.empty()) qFatal("%s", error.c_str());
    BrowserMidi midi{[] { return true; }, [this](MidiChannel, std::uint8_t, std::uint8_t, MidiProgramNumber) { ++sent; }};
    window = std::make_unique<frmToneBrowser>(ToneBrowserKind(), tables, BrowserSettings{}, std::move(midi));
    window->resize(380, 692);
    window->show();
    QApplication::processEvents();  // exposed, so that repaint() really draws
  }
  NameTables tables;
  int sent = 0;
  std::unique_ptr<frmToneBrowser> window;
};

Browser& TheBrowser() {
  static Browser* browser = new Browser;  // left to the process exit, after QApplication is gone
  return *browser;
}

// Typing "p", "i", "a" into the name box and deleting them again, one keystroke per iteration.
void BM_ToneNameKeystroke(benchmark::State& state) {
  auto* name = TheBrowser().window->findChild<QLineEdit*>(QStringLiteral("txt_Tone_Filter_4"));
  const QString typed = QStringLiteral("pia");
  int length = 0;
  bool growing = true;
  for (auto _ : state) {
    length += growing ? 1 : -1;
    if (length == typed.size()) growing = false;
    if (length == 0) growing = true;
    name->setText(typed.left(length));
    TheBrowser().window->repaint();
  }
  const auto* counter = TheBrowser().window->findChild<QLabel*>(QStringLiteral("lbl_IDCnt_Tone"));
  state.counters["rows_last"] = counter->text().toDouble();
  name->clear();
}
BENCHMARK(BM_ToneNameKeystroke)->Unit(benchmark::kMillisecond);

// The whole list without filters, sorted by name (the heaviest sort), re-filled.
void BM_ToneFillAllByName(benchmark::State& state) {
  frmToneBrowser& window = *TheBrowser().window;
  window.SortGridByHeader(kBrowserColName);
  for (auto _ : state) {
    window.Fill();
    window.repaint();
  }
  window.SortGridByHeader(kBrowserColID);
}
BENCHMARK(BM_ToneFillAllByName)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
