// SPDX-License-Identifier: GPL-3.0-or-later
// Names for a screen reader. Picture buttons, filter boxes, the read-only value boxes and the
// header buttons show no caption of their own; their tool tip says what they are. Those
// controls take their tool tip as their accessible name, and keep following it when the tip
// changes (a header's tip changes with its column selector, a file box's with its path).
#pragma once

class QWidget;

namespace tarnwick {

// Makes `control`'s accessible name its tool tip, now and whenever the tip changes. A name set
// with setAccessibleName before or after is replaced at the next tip change.
void NameByToolTip(QWidget* control);

// Names every control inside `window` (and `window` itself) that has no accessible name and no
// caption of its own: by the caption of the label that points at it (setBuddy), or else by its
// tool tip (NameByToolTip). Buttons with a caption keep the name Qt gives them from it.
void NameCaptionlessControls(QWidget* window);

}  // namespace tarnwick
