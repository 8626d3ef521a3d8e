// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program keeps an invisible button named "Dummy" that takes the keyboard
// focus after clicks on picture buttons, headers and counters, so that no visible control keeps
// a focus mark it did not ask for.
#pragma once

class QPushButton;
class QString;
class QWidget;

namespace tarnwick {

// Adds the "Dummy" button to `window`: no size, no text, out of the Tab order, yet able to hold
// the focus (a hidden widget could not). A screen reader announces it by `spokenName`, the
// window's own name ("Disk Link view"), so the parked focus is never an unnamed button.
QPushButton* CreateDummyButton(QWidget* window, const QString& spokenName);

// Gives the focus to the "Dummy" of the nearest window around `widget` that has one (a view
// inside the main window is such a window). Returns false when none was found.
bool ParkFocus(QWidget* widget);

}  // namespace tarnwick
