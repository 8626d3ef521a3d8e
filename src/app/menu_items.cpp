// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_items.h"

namespace tarnwick {
namespace {

struct ViewEntry {
  View view;
  const char* item;
  const char* suffix;
};

constexpr std::array<ViewEntry, 5> kViews{{
    {View::UPFile, "mnuUPFile", " - User Prog"},
    {View::DiskLink, "mnuDL", " - Disk Link"},
    {View::Tone, "mnuTone", " - Tone"},
    {View::Keyboard, "mnuKeyboard", " - Keyboard"},
    {View::Stage, "mnuStage", " - Stage"},
}};

const ViewEntry& EntryOf(View view) {
  for (const ViewEntry& entry : kViews) {
    if (entry.view == view) return entry;
  }
  return kViews[0];
}

}  // namespace

QString MenuItemOfView(View view) { return QString::fromLatin1(EntryOf(view).item); }

std::optional<View> ViewOfMenuItem(const QString& itemName) {
  for (const ViewEntry& entry : kViews) {
    if (itemName == QLatin1String(entry.item)) return entry.view;
  }
  return std::nullopt;
}

QString CaptionSuffix(View view) { return QString::fromLatin1(EntryOf(view).suffix); }

QString MainCaption(View view) { return QString::fromLatin1(kProgramTitle) + CaptionSuffix(view); }

View ViewFromActiveMenu(const QString& storedText) {
  if (storedText == QLatin1String("1")) return View::DiskLink;
  if (storedText == QLatin1String("2")) return View::Tone;
  if (storedText == QLatin1String("3")) return View::Keyboard;
  if (storedText == QLatin1String("4")) return View::Stage;
  return View::UPFile;
}

}  // namespace tarnwick
