// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone/browser_kind.h"

namespace tarnwick {

QString BrowserKind::objectName(const char* pattern) const {
  return QString::fromLatin1(pattern).arg(QLatin1String(namePart));
}

const BrowserKind& ToneBrowserKind() {
  static const BrowserKind kind{false, 1, "Tones", "Tone", "Tone", 1200,
                                {{0, "AC1 - Channel 1"},
                                 {1, "ABS - Channel 2"},
                                 {2, "AC2 - Channel 3"},
                                 {3, "UP1 - Channel 4"},
                                 {4, "AC3 - Channel 5"},
                                 {5, "UP2 - Channel 6"},
                                 {6, "AC4 - Channel 7"},
                                 {7, "AC5 - Channel 8"},
                                 {8, "AC6 - Channel 9"},
                                 {10, "LW1 - Channel 11"},
                                 {11, "MBS - Channel 12"},
                                 {12, "UP3 - Channel 13"},
                                 {13, "LW2 - Channel 14"},
                                 {14, "MI    - Channel 15"}}};
  return kind;
}

const BrowserKind& DrumSetBrowserKind() {
  static const BrowserKind kind{true, 2, "Drum Sets", "Drum Set", "DrumSet", 1290,
                                {{9, "ADR - Channel 10"}, {15, "MDR - Channel 16"}}};
  return kind;
}

QString BrowserHeaderToolTip(const BrowserKind& kind, int col) {
  static const char* const kTitles[] = {"ID", "Control Change 0", "Control Change 32", "Program Change"};
  const QString title = col == kBrowserColName ? QString::fromLatin1(kind.word) : QString::fromLatin1(kTitles[col]);
  return title + QStringLiteral(" [L:Sort | R:Align]");
}

QString BrowserHeaderCaption(const BrowserKind& kind, int col) {
  static const char* const kCaptions[] = {"ID", "CC0", "CC32", "PC"};
  return col == kBrowserColName ? QString::fromLatin1(kind.word) : QString::fromLatin1(kCaptions[col]);
}

QString BrowserFilterToolTip(const BrowserKind& kind, int box) {
  switch (box) {
    case 1:
      return QStringLiteral("Control Change 0 [Filter: 0 to 127]");
    case 2:
      return QStringLiteral("Control Change 32 [Filter: 1 to 3]");
    case 3:
      return QStringLiteral("Progran Change [Filter: 1 to 128]");
    default:
      return QString::fromLatin1(kind.word) + QStringLiteral(" [Filter]");
  }
}

int BrowserColumnWidthTwips(const BrowserKind& kind, int col) {
  if (col == kBrowserColID) return 600;
  if (col == kBrowserColName) return kind.nameWidthTwips;
  return 405;
}

}  // namespace tarnwick
