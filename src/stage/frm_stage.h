// SPDX-License-Identifier: GPL-3.0-or-later
// frmStage: the Stage view. A set list is built from the UP grids (their menu, or rows dragged
// here), kept in a *.tarnwick-set file, and played: each step selects the entry's UP on the
// instrument at once, by key, by click or by a MIDI foot switch, and the current entry is shown
// large enough to read from a few metres away.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "midi/midi_receivers.h"
#include "stage/stage_settings.h"
#include "stage/stage_set_list.h"
#include "stage/stage_stepping.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTableView;

namespace tarnwick {

struct AppState;
class StageModel;
class UserDialogs;

// What the view needs of the MIDI layer.
struct StageMidi {
  std::function<bool()> outOpen;
  std::function<bool(int upId)> sendUPSelect;  // the UP select on the Basic send channel
};

class frmStage : public QWidget, public StageReceiver {
  Q_OBJECT

 public:
  frmStage(AppState& state, UserDialogs& dialogs, const StageSettings& settings, StageMidi midi,
           QWidget* parent = nullptr);
  ~frmStage() override;

  StageSetList& setList() { return list_; }
  StageModel& model() { return *model_; }
  StageSettings settings() const { return settings_; }
  int currentRow() const { return current_; }
  // "Gig.tarnwick-set*": the set list's name, "*" while it has unsaved changes.
  QString caption() const;

  // Opens `path` in File 0 (asking about its unsaved changes first); false when it was not opened.
  void setUPSOpener(std::function<bool(const QString& path)> opener) { openUPS_ = std::move(opener); }
  // Milliseconds of a steady clock, for the foot switch's bounce.
  void setClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }

  // Each time the view is shown or the MIDI setup changed: the entries are looked up again in
  // their file (it may have been edited), and the Midi Out state is shown.
  void activate();
  // At start: the set list of the last run, when there is one.
  void openAtStart();
  // "Add to Stage": appends the UPs; a refusal is shown.
  void addUPs(int file, const std::vector<int>& ids);

  // The file commands; false when cancelled or failed (a message was shown).
  bool newSetList();
  bool openSetList();
  bool openSetListPath(const QString& path);
  bool saveSetList();
  bool saveSetListAs();
  // Asks about unsaved changes (none: true at once); false keeps everything as it is.
  bool confirmClose();

  // Stepping, as the keys do; a step selects the entry's UP on the instrument.
  void step(StepKind kind);
  void selectRow(int row);  // a click on an entry
  void resend();            // Enter
  void toggleFullScreen();  // F11
  void setDark(bool dark);

  void StageMessageReceived(const IncomingMessage& message) override;

  void printSetList();
  void exportSetList();

 signals:
  void captionChanged(const QString& caption);
  // A step went past an end and stayed on the entry, which flashes.
  void endReached();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Learning { None, Next, Previous };

  void buildControls();
  QWidget* buildCommandRow();
  QWidget* buildTriggerRow();
  QFrame* buildPerformPanel();
  void buildTable();
  QPushButton* addButton(QWidget* row, const char* name, const QString& caption, const QString& tip);
  bool handleKey(int key, Qt::KeyboardModifiers modifiers);
  bool handleEditKey(int key, Qt::KeyboardModifiers modifiers);
  void moveSelected(int direction);
  void removeSelected();
  std::vector<int> selectedRows() const;
  void playRow(int row, bool send);
  void showCurrent();
  void announce(const QString& text);
  void flash();
  void showMidiOutState();
  void showTriggers();
  void learn(Learning which);
  void onListChanged();
  void showCaption();
  bool writeTo(const QString& path);
  bool openUPSOf(const StageSet& set);
  std::int64_t now() const;

  AppState& state_;
  UserDialogs& dialogs_;
  StageSettings settings_;
  StageMidi midi_;
  StageSetList list_;
  StageModel* model_ = nullptr;
  std::function<bool(const QString&)> openUPS_;
  std::function<std::int64_t()> clock_;
  int current_ = -1;
  Learning learning_ = Learning::None;
  BounceGate nextGate_;
  BounceGate previousGate_;
  QString caption_;

  QTableView* table_ = nullptr;
  QFrame* perform_ = nullptr;
  QLabel* currentName_ = nullptr;
  QLabel* currentDetails_ = nullptr;
  QLabel* currentNote_ = nullptr;
  QLabel* nextEntry_ = nullptr;
  QLabel* setListName_ = nullptr;
  QLabel* midiOutOff_ = nullptr;
  QLabel* nextTrigger_ = nullptr;
  QLabel* previousTrigger_ = nullptr;
  QPushButton* learnNext_ = nullptr;
  QPushButton* learnPrevious_ = nullptr;
  QCheckBox* dark_ = nullptr;
};

}  // namespace tarnwick
