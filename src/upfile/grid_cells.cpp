// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/grid_cells.h"

#include "updata/ansi_text.h"
#include "updata/value_names.h"

namespace tarnwick {
namespace {

int PadValue(const UPRecord& up, int padCycle) {
  if (padCycle == 0) return GetUPPad1(up);
  if (padCycle == 1) return GetUPPad2(up);
  return GetUPDBeam(up);
}

int EFXValue(const UPRecord& up, int efxCycle) {
  switch (efxCycle) {
    case 0:
      return GetUPEFX(up);
    case 1:
      return GetUPReverbMacro(up);
    case 2:
      return GetUPChorusMacro(up);
    default:
      return GetUPDelayMacro(up);
  }
}

std::string PadName(const UPRecord& up, int padCycle) {
  if (padCycle == 0) return Pad1ButtonName(up);
  if (padCycle == 1) return Pad2ButtonName(up);
  return DBeamControllerName(up);
}

std::string EFXName(const UPRecord& up, int efxCycle, const NameTables& names) {
  switch (efxCycle) {
    case 0:
      return TrimBlanks(EFXInsertionEffectName(names, up));
    case 1:
      return ReverbMacroName(up);
    case 2:
      return ChorusMacroName(up);
    default:
      return DelayMacroName(up);
  }
}

QString UPSendToolTip(int id, bool midiOutOpen) {
  if (!midiOutOpen) return QStringLiteral(" Midi Out = OFF, UP Send is Disabled");
  if (id >= kSetUPCount) return {};
  return QStringLiteral(" Double Click or Space Bar for Send Selected UP --> Midi Out ");
}

}  // namespace

int CellNumber(const UPRecord& up, int id, int col, const ColumnSelectors& selectors) {
  switch (col) {
    case kColID:
      return id;
    case kColTempo:
      return GetUPTempo(up);
    case kColPad:
      return PadValue(up, selectors.PadCycle);
    case kColEFX:
      return EFXValue(up, selectors.EFXCycle);
    case kColToneMSB:
      return GetUPPartTone(up, selectors.ToneCycle, 0);
    case kColToneLSB:
      return GetUPPartTone(up, selectors.ToneCycle, 1);
    case kColToneProgram:
      return GetUPPartTone(up, selectors.ToneCycle, 2) + 1;
    default:
      return 0;
  }
}

std::string CellText(const UPRecord& up, int id, int col) {
  switch (col) {
    case kColUserProgram:
      return NumToUPBnk(id);
    case kColName:
      return TrimBlanks(GetUPText8(up, kUPNameOffset));
    case kColStyleSource:
      return GetUPStyleNumberText(up);
    case kColStyle:
      return TrimBlanks(GetUPText8(up, kStyleNameOffset));
    case kColSongSource:
      return GetUPSongSourceShort(up);
    case kColSong:
      return TrimBlanks(GetUPSongName(up));
    default:
      return {};
  }
}

QString AnsiQString(const std::string& ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

QString CellDisplayText(const UPRecord& up, int id, int col, const ColumnSelectors& selectors) {
  if (IsTextColumn(col)) return AnsiQString(CellText(up, id, col));
  return QString::number(CellNumber(up, id, col, selectors));
}

QString CellToolTip(const UPRecord& up, int id, int col, const CellToolTipContext& context) {
  const ColumnSelectors& selectors = *context.selectors;
  switch (col) {
    case kColID:
      return QStringLiteral(" Double Click for Edit ");
    case kColUserProgram:
      return UPSendToolTip(id, context.midiOutOpen);
    case kColStyleSource:
      return AnsiQString(GetUPStyleSourceText(up));
    case kColSongSource:
      return AnsiQString(GetUPSongSourceLong(up));
    case kColPad:
      return AnsiQString(PadName(up, selectors.PadCycle));
    case kColEFX:
      return AnsiQString(EFXName(up, selectors.EFXCycle, *context.names));
    case kColToneMSB:
    case kColToneLSB:
    case kColToneProgram:
      return AnsiQString(GetPartToneNameArr(*context.names, up, selectors.ToneCycle));
    default:
      return {};
  }
}

}  // namespace tarnwick
