// SPDX-License-Identifier: GPL-3.0-or-later
// The view windows of the program. Views whose windows are not built yet are placeholders;
// each create function is where its real window plugs in.
#pragma once

#include "app/view_factory.h"

namespace tarnwick {

struct AppState;
class MidiApi;
class SettingsStore;
class UserDialogs;

class frmKeyboard;
class frmStage;
class frmUPFile;
class frmToneBrowser;
class frmToneMonitor;

class ProgramViews : public ViewFactory {
 public:
  ProgramViews(AppState& state, SettingsStore& store, UserDialogs& dialogs, MidiApi& midi)
      : state_(state), store_(store), dialogs_(dialogs), midi_(midi) {}

  QWidget* createKeyboard(QWidget* parent) override;
  QWidget* createTone(int number, QWidget* parent) override;
  QWidget* createUPFile(QWidget* parent) override;
  QWidget* createDiskLink(QWidget* parent) override;
  QWidget* createStage(QWidget* parent) override;
  void activateView(QWidget* view) override;
  void unloadView(QWidget* view) override;
  bool confirmCloseAll() override;
  void watchCaption(QWidget* view, std::function<void(const QString&)> onChange) override;

 private:
  // Handed to each real window as it arrives.
  AppState& state_;
  SettingsStore& store_;
  UserDialogs& dialogs_;
  MidiApi& midi_;
  frmUPFile* upFile_ = nullptr;
  frmToneBrowser* browsers_[2] = {nullptr, nullptr};
  frmToneMonitor* monitor_ = nullptr;
  frmKeyboard* keyboard_ = nullptr;
  frmStage* stage_ = nullptr;

  QWidget* createToneBrowser(bool drumSets, QWidget* parent);
  QWidget* createMonitor(QWidget* parent);
  bool unloadToneView(QWidget* view);
  template <class View>
  void followLostPorts(View* view, void (View::*activate)());
};

}  // namespace tarnwick
