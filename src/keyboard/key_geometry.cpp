// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/key_geometry.h"

#include <algorithm>
#include <cmath>

namespace tarnwick {
namespace {

constexpr int kTwips = 15;
// Position of each of the twelve keys of an octave in white-key steps: j for white keys (left edge
// at j × W), m for black keys (centred on m × W).
constexpr std::array<int, 12> kOctaveSlot{0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};

}  // namespace

int NormalisedWhiteKeyPixels(double stored) {
  for (const int pixels : kWhiteKeyPixelWidths) {
    if (stored == pixels) return pixels;
  }
  return kDefaultWhiteKeyPixels;
}

bool IsBlackKey(int note) {
  switch (((note % 12) + 12) % 12) {
    case 1:
    case 3:
    case 6:
    case 8:
    case 10:
      return true;
    default:
      return false;
  }
}

KeyboardLayout LayoutKeyboard(int whiteKeyPixels) {
  KeyboardLayout layout;
  const int w = NormalisedWhiteKeyPixels(whiteKeyPixels) * kTwips;
  layout.whiteKeyWidth = w;
  layout.blackKeyWidth = static_cast<int>(std::lround(w / 2.0));
  for (int note = 0; note < kKeyCount; ++note) {
    KeyRect& key = layout.keys[note];
    const int octaveLeft = (note / 12) * 7 * w;
    const int slot = kOctaveSlot[note % 12];
    key.black = IsBlackKey(note);
    if (key.black) {
      key.left = octaveLeft + slot * w - layout.blackKeyWidth / 2;
      key.width = layout.blackKeyWidth;
      key.height = kBlackKeyHeight;
    } else {
      key.left = octaveLeft + slot * w;
      key.width = w + kTwips;
      key.height = kWhiteKeyHeight;
    }
    layout.pictureWidth = std::max(layout.pictureWidth, key.right());
  }
  layout.pictureLeft = (kKeyboardAreaWidth - layout.pictureWidth) / 2;
  layout.zoneEdges = {0, layout.keys[kFirstInstrumentZoneKey].left, layout.keys[kFirstOutsideZoneKey].left,
                      layout.pictureWidth};
  return layout;
}

int KeyAt(const KeyboardLayout& layout, int x, int y) {
  if (y < 0) return -1;
  // Black keys lie in front; a white key overlaps its left neighbour by the border and is drawn
  // over it, so the higher one wins there.
  for (const bool black : {true, false}) {
    for (int note = kKeyCount - 1; note >= 0; --note) {
      const KeyRect& key = layout.keys[note];
      if (key.black == black && x >= key.left && x < key.right() && y < key.height) return note;
    }
  }
  return -1;
}

}  // namespace tarnwick
