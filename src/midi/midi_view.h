// The main window's views as the MIDI layer sees them. The enum itself belongs to the window code
// (app/app_state.h, which needs Qt Gui); here it is only declared, and the four values that the
// ActiveMenu setting stores are named, so that the MIDI layer builds on Qt Core alone.
#pragma once

namespace tarnwick {

enum class View : int;

inline constexpr View kViewUPFile = static_cast<View>(0);
inline constexpr View kViewDiskLink = static_cast<View>(1);
inline constexpr View kViewTone = static_cast<View>(2);
inline constexpr View kViewKeyboard = static_cast<View>(3);

}  // namespace tarnwick
