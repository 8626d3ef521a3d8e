// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar and its five views, as data: item names, captions, the caption
// suffix of each view and the mapping of the stored "ActiveMenu" text.
#pragma once

#include <array>
#include <optional>

#include <QString>

#include "state/app_state.h"

namespace tarnwick {

struct MenuItem {
  const char* name;     // the QAction's objectName
  const char* caption;  // "&" marks the access key; the blanks belong to the caption
};

// In menu bar order.
inline constexpr std::array<MenuItem, 9> kMenuItems{{
    {"mnuUPFile", "UP-&File"},
    {"mnuDL", " &DL "},
    {"mnuTone", " &Tone "},
    {"mnuKeyboard", "&Keyboard"},
    {"mnuStage", "&Stage"},
    {"mnuMidiSetup", " &Midi "},
    {"mnuAbout", "&About"},
    {"mnuExit", " E&xit "},
    {"mnuStop", "&Stop"},
}};

inline constexpr char kProgramTitle[] = "Tarnwick";

QString MenuItemOfView(View view);
std::optional<View> ViewOfMenuItem(const QString& itemName);

// " - User Prog", " - Disk Link", " - Tone", " - Keyboard", " - Stage".
QString CaptionSuffix(View view);
// "Tarnwick" followed by the view's suffix.
QString MainCaption(View view);

// The stored "ActiveMenu" text: "1", "2", "3" and "4" name the Disk Link, Tone, Keyboard and Stage views;
// anything else (also "0", a missing or a mangled value) the User Program view.
View ViewFromActiveMenu(const QString& storedText);

}  // namespace tarnwick
