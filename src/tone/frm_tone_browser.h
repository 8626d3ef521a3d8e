// SPDX-License-Identifier: GPL-3.0-or-later
// frmTone_1 / frmTone_2: the tone and drum set browsers, one window built twice. The grid lists
// the entries of the name table that pass the four filter boxes and Show +, sorted by a header
// button; selecting a row plays it on the instrument on the chosen channel while Grid -> Midi Out
// is on and the output is open.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "grid/grid_state.h"
#include "state/midi_types.h"
#include "tone/browser_kind.h"
#include "tone/browser_model.h"
#include "tone/browser_settings.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

namespace tarnwick {

class RowCounter;
class FilterBox;
class GridHeaderButton;
class ImageButton;
class MWheel;
class PagedGridView;

// How a browser reaches the MIDI output.
struct BrowserMidi {
  std::function<bool()> outOpen;
  std::function<void(MidiChannel, std::uint8_t msb, std::uint8_t lsb, MidiProgramNumber)> sendBankProgram;
};

struct BrowserSelection {
  int first = -1;
  int last = -1;
  int count = 0;
  int current = -1;
  int entry = 0;  // the ID of the current row
};

class frmToneBrowser : public QWidget {
  Q_OBJECT

 public:
  frmToneBrowser(const BrowserKind& kind, const NameTables& tables, const BrowserSettings& settings,
                 BrowserMidi midi, QWidget* parent = nullptr);
  ~frmToneBrowser() override;

  void Fill();                // Fill_Grid_Tone / Fill_Grid_DrumSet
  void Refresh();             // Refresh_Grid_Tone / Refresh_Grid_DrumSet
  void SortGridByHeader(int col);
  int FindAndSelectEntry(int id);
  void FilterStep(int box, bool up, bool ctrl);
  // The window became active: Grid -> Midi Out is enabled only while the output is open.
  void activate();

  BrowserSettings settings() const { return settings_; }
  const BrowserSelection& selection() const { return selection_; }
  const BrowserKind& kind() const { return kind_; }

 signals:
  void filled();

 private:
  QWidget* buildOptions();
  QWidget* buildChannels();
  QWidget* buildCounterRow();
  QWidget* buildHeaderRow();
  QWidget* buildFilterRow();
  void connectControls();
  void connectFilters();
  int columnPixels(int col) const;

  void showCount();
  void showHeaderLook(int col);
  void onSelectionChanged();
  void onGridPress(int row, Qt::MouseButton button);
  void onFilterFocus(FilterBox* box, bool hasFocus);
  void clearFilters();
  void goHomeOrEnd();

  const BrowserKind& kind_;
  BrowserSettings settings_;
  BrowserMidi midi_;
  GridState sort_;
  BrowserSelection selection_;
  BrowserModel* model_;
  PagedGridView* grid_;
  MWheel* wheel_;
  bool handlingSelection_ = false;
  int namePixels_ = 0;    // the longest name of the loaded list, in the grid's font
  int handlerRuns_ = 0;   // selection handler runs, so that a press runs it once only
  int runsAtPress_ = 0;
  int focusedFilter_ = 0;

  QLabel* title_ = nullptr;
  std::array<QRadioButton*, 3> markPos_{};
  QCheckBox* showPlus_ = nullptr;
  QCheckBox* gridToMidiOut_ = nullptr;
  QButtonGroup* channels_ = nullptr;
  RowCounter* counter_ = nullptr;
  ImageButton* homeEnd_ = nullptr;
  ImageButton* clearFilter_ = nullptr;
  std::array<GridHeaderButton*, kBrowserColumnCount> headers_{};
  std::array<FilterBox*, kBrowserFilterCount + 1> filters_{};  // [0] unused
};

}  // namespace tarnwick
