// SPDX-License-Identifier: GPL-3.0-or-later
// The two browsers of the Tone view are one window built twice: what differs between the tone
// browser (frmTone_1) and the drum set browser (frmTone_2) is gathered here.
#pragma once

#include <QString>
#include <vector>

namespace tarnwick {

inline constexpr int kBrowserColumnCount = 5;
enum BrowserColumn : int { kBrowserColID = 0, kBrowserColMSB = 1, kBrowserColLSB = 2, kBrowserColProgram = 3,
                           kBrowserColName = 4 };
inline constexpr int kBrowserPageRows = 35;
inline constexpr int kBrowserFilterCount = 4;  // boxes 1..4 filter columns 1..4

struct ChannelOption {
  int channel;  // 0-based: the option's index
  const char* caption;
};

struct BrowserKind {
  bool drumSets;
  int windowNumber;       // frmTone_1 / frmTone_2
  const char* heading;    // "Tones" / "Drum Sets"
  const char* word;       // "Tone" / "Drum Set": tooltips and captions
  const char* namePart;   // "Tone" / "DrumSet": object names
  int nameWidthTwips;
  std::vector<ChannelOption> channels;

  QString objectName(const char* pattern) const;  // "%1" in the pattern becomes namePart
};

const BrowserKind& ToneBrowserKind();
const BrowserKind& DrumSetBrowserKind();

QString BrowserHeaderToolTip(const BrowserKind& kind, int col);
QString BrowserHeaderCaption(const BrowserKind& kind, int col);
QString BrowserFilterToolTip(const BrowserKind& kind, int box);
int BrowserColumnWidthTwips(const BrowserKind& kind, int col);

}  // namespace tarnwick
