// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain: the program's one main window. Its menu bar switches between the four views, which
// live in its client area, are created once and are only shown and hidden afterwards, so that
// they keep their state. Closing it runs the exit sequence.
#pragma once

#include <array>

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "state/app_state.h"
#include "app/shell.h"

class QAction;

namespace tarnwick {

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(Shell& shell, QWidget* parent = nullptr);
  ~frmMain() override;

  // Start-up: size and place on a screen of this size (pixels), then create the views.
  void PlaceOnScreen(QSize screen);
  void CreateViews();

  // Switches to the view of a menu item ("mnuUPFile", "mnuDL", "mnuTone", "mnuKeyboard", "mnuStage").
  // Nothing happens for the current item or an unknown name.
  void MenuChange(const QString& newItem);
  QString currentMenuItem() const { return currentItem_; }

  // Sizes and places a view window in the client area.
  void FitChildWindow(QWidget* window);
  void ArrangeToneWindows();

  // The menu commands.
  void mnuMidiSetup_Click();
  void mnuAbout_Click();

  QWidget* clientArea() const { return clientArea_; }
  QWidget* viewWindow(const QString& windowName) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createMenuBar();
  QAction* menuItem(const QString& name) const;
  QWidget* addView(QWidget* window, const char* windowName);
  void leaveView(View view);
  void enterView(View view);
  std::array<QWidget*, 3> toneWindows() const;
  QWidget* singleViewWindow(View view) const;  // the window of a one-window view
  QWidget* visibleSingleView() const;
  void refreshCaption();  // the view's caption, plus the UP files while they have unsaved changes
  void runExitSequence();
  void unloadViews();

  Shell& shell_;
  QWidget* clientArea_ = nullptr;
  QPointer<QWidget> keyboard_;
  std::array<QPointer<QWidget>, 3> tone_;
  QPointer<QWidget> upFile_;
  QPointer<QWidget> diskLink_;
  QPointer<QWidget> stage_;
  QString currentItem_;
  QString upFileCaption_;
  QString stageCaption_;
  bool exitDone_ = false;
};

}  // namespace tarnwick
