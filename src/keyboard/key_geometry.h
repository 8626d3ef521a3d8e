// SPDX-License-Identifier: GPL-3.0-or-later
// Where the 128 keys of the on-screen keyboard sit, in twips. White keys step by the chosen
// width; black keys are centred on the boundary of their two white neighbours and drawn in front.
#pragma once

#include <array>
#include <cstdint>

namespace tarnwick {

inline constexpr int kKeyCount = 128;
inline constexpr int kWhiteKeyHeight = 1020;
inline constexpr int kBlackKeyHeight = 750;
inline constexpr int kZoneLabelTop = 1020;
inline constexpr int kZoneLabelHeight = 45;
inline constexpr int kKeyboardPictureHeight = 1095;
inline constexpr int kKeyboardAreaWidth = 15300;  // the picture is centred in this width
inline constexpr int kKeyScaleUnits = 128;         // a press is measured 0 (top) .. 128 (bottom)
// The instrument's own keys are 36..96; the zones divide at the left edges of keys 36 and 98.
inline constexpr int kFirstInstrumentZoneKey = 36;
inline constexpr int kFirstOutsideZoneKey = 98;

// The offered white key widths in pixels; a stored width outside them reads as 13.
inline constexpr std::array<int, 4> kWhiteKeyPixelWidths{10, 13, 18, 24};
inline constexpr int kDefaultWhiteKeyPixels = 13;
int NormalisedWhiteKeyPixels(double stored);

bool IsBlackKey(int note);

struct KeyRect {
  int left = 0;  // twips from the picture's left edge
  int width = 0;
  int height = 0;
  bool black = false;
  int right() const { return left + width; }
};

struct KeyboardLayout {
  int whiteKeyWidth = 0;  // twips: pixels × 15
  int blackKeyWidth = 0;  // twips: whiteKeyWidth / 2, rounded
  std::array<KeyRect, kKeyCount> keys{};
  int pictureWidth = 0;                // as wide as the keys
  int pictureLeft = 0;                 // centred in kKeyboardAreaWidth (negative when wider)
  std::array<int, 4> zoneEdges{};      // 0, key 36, key 98, picture width
};

KeyboardLayout LayoutKeyboard(int whiteKeyPixels);

// The key under a point of the picture (twips), black keys first; -1 when none.
int KeyAt(const KeyboardLayout& layout, int x, int y);

}  // namespace tarnwick
