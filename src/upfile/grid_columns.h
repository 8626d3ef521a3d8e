// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen columns of a UP grid, and the three column selectors of each file that decide
// what columns 8 (pad / D-Beam), 9 (EFX / effect macros) and 10..12 (tone of one part) show.
#pragma once

#include <QString>
#include <Qt>

#include "grid/grid_state.h"

namespace tarnwick {

inline constexpr int kGridColumnCount = 13;
inline constexpr int kGridPageRows = 30;  // a grid never shows more rows than this at once

enum GridColumn : int {
  kColID,
  kColUserProgram,
  kColName,
  kColStyleSource,
  kColStyle,
  kColSongSource,
  kColSong,
  kColTempo,
  kColPad,
  kColEFX,
  kColToneMSB,
  kColToneLSB,
  kColToneProgram,
};

constexpr bool IsTextColumn(int col) { return col >= kColUserProgram && col <= kColSong; }
constexpr bool IsNumberColumn(int col) {
  return col == kColID || (col >= kColTempo && col < kGridColumnCount);
}

inline constexpr int kPadCycleCount = 3;    // Pad 1 Button, Pad 2 Button, D-Beam Controller
inline constexpr int kEFXCycleCount = 4;    // EFX Insertion Effect, Reverb, Chorus, Delay Macro
inline constexpr int kToneCycleCount = 16;  // the parts, UP1 .. AC6

struct ColumnSelectors {
  int PadCycle = 0;
  int EFXCycle = 0;
  int ToneCycle = 0;
};

// Steps a selector by `step` (+1 next, -1 previous), wrapping within 0..count-1.
int CycleSelector(int value, int count, int step);

struct ColumnLook {
  int widthTwips;
  Qt::Alignment alignment;  // horizontal part; every cell is vertically centred
};
ColumnLook DefaultColumnLook(int col);

// The full name of what a column shows ("Name", "Pad 2 Button", "Program Change").
QString ColumnTitle(int col, const ColumnSelectors& selectors);
// The short caption of a header button ("ID", "Name", "Pad2", "cc32").
QString ColumnCaption(int col, const ColumnSelectors& selectors);
// "Name [L:Sort | R:Align]"
QString HeaderToolTip(int col, const ColumnSelectors& selectors);
// "UP1 Tone" .. "AC6 Tone"
QString ToneLabelText(int toneCycle);


}  // namespace tarnwick
