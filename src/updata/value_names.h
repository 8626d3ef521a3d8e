// SPDX-License-Identifier: GPL-3.0-or-later
// The names the instrument shows for the small numbered values of a UP: effect macros, pad
// functions and the D-Beam controller. Each name already starts with its number and a dash.
#pragma once

#include <string>

#include "updata/up_record.h"

namespace tarnwick {

// Name of a value, or the empty text for a value the table does not have.
std::string ReverbMacroText(int value);
std::string ChorusMacroText(int value);
std::string DelayMacroText(int value);
std::string PadButtonText(int value);
std::string DBeamControllerText(int value);

inline std::string ReverbMacroName(const UPRecord& up) { return ReverbMacroText(GetUPReverbMacro(up)); }
inline std::string ChorusMacroName(const UPRecord& up) { return ChorusMacroText(GetUPChorusMacro(up)); }
inline std::string DelayMacroName(const UPRecord& up) { return DelayMacroText(GetUPDelayMacro(up)); }
inline std::string Pad1ButtonName(const UPRecord& up) { return PadButtonText(GetUPPad1(up)); }
inline std::string Pad2ButtonName(const UPRecord& up) { return PadButtonText(GetUPPad2(up)); }
inline std::string DBeamControllerName(const UPRecord& up) { return DBeamControllerText(GetUPDBeam(up)); }

// Texts of the per-part flags as the part table shows them.
std::string PartOnText(const UPRecord& up, int part);         // "ON" / "OFF"
std::string PartEqText(const UPRecord& up, int part);         // "ON" / "OFF"
std::string PartSongLinkText(const UPRecord& up, int part);   // "ON" / "OFF"
std::string PartSongStatusText(const UPRecord& up, int part); // "ON" / "Mut"
std::string PartToneChangeText(const UPRecord& up, int part); // "Old" / "800" / "EM" / ""
std::string PartWrapText(const UPRecord& up, int part);       // "Ful" / "Nat"; "" for parts 0..7
std::string PartToneArrangerText(const UPRecord& up, int part); // "Arr" / "Usr"; "" for parts 0..7

}  // namespace tarnwick
