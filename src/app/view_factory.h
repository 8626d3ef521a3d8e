// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window gets its view windows. The main window owns the placing, showing and
// hiding; a factory makes the windows and runs what each does when it becomes active.
#pragma once

#include <functional>

class QString;
class QWidget;

namespace tarnwick {

class ViewFactory {
 public:
  virtual ~ViewFactory() = default;

  // Each is called once; the window is created hidden, as a child of `parent` (the main window's
  // client area), and gets its objectName from the caller when it has none.
  virtual QWidget* createKeyboard(QWidget* parent) = 0;  // frmKeyboard
  // 1 tone browser (frmTone_1), 2 drum set browser (frmTone_2), 3 program change monitor (frmTone_3).
  virtual QWidget* createTone(int number, QWidget* parent) = 0;
  virtual QWidget* createUPFile(QWidget* parent) = 0;    // frmUPFile; loads the files of the last run
  virtual QWidget* createDiskLink(QWidget* parent) = 0;  // frmDL, on its first use
  // frmStage, made after frmUPFile (its set list may open a file there); none: a placeholder.
  virtual QWidget* createStage(QWidget* parent) {
    (void)parent;
    return nullptr;
  }

  // The window's own work when it is shown or the MIDI setup has changed (MIDI-dependent
  // controls, re-selecting the active UP, ...). Placement is the main window's job.
  virtual void activateView(QWidget* view) { (void)view; }

  // At exit, just before the window is closed and deleted: the place to store its settings.
  virtual void unloadView(QWidget* view) { (void)view; }

  // Asked first when the program is to end; false keeps it running (unsaved files).
  virtual bool confirmCloseAll() { return true; }

  // Calls `onChange` whenever the view's own part of the main window caption changes (for
  // example which files have unsaved changes); an empty text means nothing to add.
  virtual void watchCaption(QWidget* view, std::function<void(const QString&)> onChange) {
    (void)view;
    (void)onChange;
  }
};

}  // namespace tarnwick
