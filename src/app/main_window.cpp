// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

#include "app/menu_items.h"
#include "app/placeholder_view.h"
#include "state/settings_store.h"
#include "app/view_factory.h"
#include "app/view_geometry.h"
#include "midi/midi_api.h"
#include "ui/about_box.h"
#include "ui/accessible_names.h"
#include "ui/pictures.h"

namespace tarnwick {
namespace {

const QColor kClientAreaColour(104, 116, 130);

}  // namespace

frmMain::frmMain(Shell& shell, QWidget* parent) : QMainWindow(parent), shell_(shell) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kProgramTitle));
  setWindowIcon(ProgramIcon());
  clientArea_ = new QWidget(this);
  clientArea_->setObjectName(QStringLiteral("ClientArea"));
  clientArea_->setAutoFillBackground(true);
  QPalette colours = clientArea_->palette();
  colours.setColor(QPalette::Window, kClientAreaColour);
  clientArea_->setPalette(colours);
  setCentralWidget(clientArea_);
  createMenuBar();
}

frmMain::~frmMain() = default;

QAction* frmMain::menuItem(const QString& name) const { return menuBar()->findChild<QAction*>(name); }

void frmMain::createMenuBar() {
  for (const MenuItem& item : kMenuItems) {
    const QString name = QString::fromLatin1(item.name);
    QAction* action = menuBar()->addAction(QString::fromLatin1(item.caption));
    action->setObjectName(name);
    if (ViewOfMenuItem(name)) connect(action, &QAction::triggered, this, [this, name] { MenuChange(name); });
  }
  connect(menuItem(QStringLiteral("mnuMidiSetup")), &QAction::triggered, this, &frmMain::mnuMidiSetup_Click);
  connect(menuItem(QStringLiteral("mnuAbout")), &QAction::triggered, this, &frmMain::mnuAbout_Click);
  connect(menuItem(QStringLiteral("mnuExit")), &QAction::triggered, this, &QWidget::close);
  // "Stop" would end the program without the exit sequence: the settings and the open ports'
  // state would be lost, and unsaved files with them. It keeps its place in the menu bar,
  // hidden and disabled.
  QAction* stop = menuItem(QStringLiteral("mnuStop"));
  stop->setVisible(false);
  stop->setEnabled(false);
}

void frmMain::PlaceOnScreen(QSize screen) {
  const MainWindowPlace place = MainWindowPlacement(screen);
  setGeometry(place.geometry);
  if (place.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

QWidget* frmMain::addView(QWidget* window, const char* windowName) {
  const QString name = QString::fromLatin1(windowName);
  if (window == nullptr) window = CreatePlaceholderView(name, name, clientArea_);
  if (window->objectName().isEmpty()) window->setObjectName(name);
  if (window->parentWidget() != clientArea_) window->setParent(clientArea_);
  NameCaptionlessControls(window);
  window->hide();
  return window;
}

void frmMain::CreateViews() {
  ViewFactory& views = shell_.views;
  keyboard_ = addView(views.createKeyboard(clientArea_), "frmKeyboard");
  tone_[0] = addView(views.createTone(1, clientArea_), "frmTone_1");
  tone_[1] = addView(views.createTone(2, clientArea_), "frmTone_2");
  tone_[2] = addView(views.createTone(3, clientArea_), "frmTone_3");
  upFile_ = addView(views.createUPFile(clientArea_), "frmUPFile");
  stage_ = addView(views.createStage(clientArea_), "frmStage");
  views.watchCaption(stage_, [this](const QString& detail) {
    stageCaption_ = detail;
    refreshCaption();
  });
  views.watchCaption(upFile_, [this](const QString& detail) {
    upFileCaption_ = detail;
    refreshCaption();
  });
}

void frmMain::refreshCaption() {
  const std::optional<View> view = ViewOfMenuItem(currentItem_);
  if (!view) return;
  QString caption = MainCaption(*view);
  // Both views of the two files name them, with the mark of unsaved changes.
  const bool showsFiles = *view == View::UPFile || *view == View::DiskLink;
  if (showsFiles && !upFileCaption_.isEmpty()) caption += QStringLiteral(" - ") + upFileCaption_;
  if (*view == View::Stage && !stageCaption_.isEmpty()) caption += QStringLiteral(" - ") + stageCaption_;
  setWindowTitle(caption);
}

QWidget* frmMain::viewWindow(const QString& windowName) const {
  return clientArea_->findChild<QWidget*>(windowName, Qt::FindDirectChildrenOnly);
}

std::array<QWidget*, 3> frmMain::toneWindows() const { return {tone_[0], tone_[1], tone_[2]}; }

void frmMain::MenuChange(const QString& newItem) {
  const std::optional<View> view = ViewOfMenuItem(newItem);
  if (!view || newItem == currentItem_) return;
  if (const std::optional<View> current = ViewOfMenuItem(currentItem_)) leaveView(*current);
  enterView(*view);
  currentItem_ = newItem;
  refreshCaption();
}

QWidget* frmMain::singleViewWindow(View view) const {
  switch (view) {
    case View::UPFile: return upFile_;
    case View::DiskLink: return diskLink_;
    case View::Keyboard: return keyboard_;
    case View::Stage: return stage_;
    case View::Tone: break;
  }
  return nullptr;
}

void frmMain::leaveView(View view) {
  menuItem(MenuItemOfView(view))->setEnabled(true);
  if (view == View::Tone) {
    for (int i = 2; i >= 0; --i) {
      if (tone_[i]) tone_[i]->hide();
    }
  } else if (QWidget* window = singleViewWindow(view)) {
    window->hide();
  }
}

void frmMain::enterView(View view) {
  menuItem(MenuItemOfView(view))->setEnabled(false);
  setWindowTitle(MainCaption(view));
  shell_.state.activeMenu = view;
  shell_.midi.setActiveMenu(view);
  if (view == View::Tone) {
    ArrangeToneWindows();
    for (QWidget* window : toneWindows()) {
      if (window == nullptr) continue;
      window->show();
      shell_.views.activateView(window);
    }
    return;
  }
  if (view == View::DiskLink && !diskLink_) diskLink_ = addView(shell_.views.createDiskLink(clientArea_), "frmDL");
  QWidget* window = singleViewWindow(view);
  if (window == nullptr) return;
  FitChildWindow(window);
  window->show();
  window->raise();
  shell_.views.activateView(window);
}

void frmMain::FitChildWindow(QWidget* window) {
  if (window == nullptr) return;
  window->setGeometry(FitChildRect(frameGeometry().size(), clientArea_->size()));
}

void frmMain::ArrangeToneWindows() {
  std::array<int, 3> leastWidths{};
  for (std::size_t i = 0; i < leastWidths.size(); ++i) {
    if (tone_[i]) leastWidths[i] = tone_[i]->minimumSizeHint().width();
  }
  const std::array<QRect, 3> places = ToneWindowRects(frameGeometry().size(), clientArea_->size(), leastWidths);
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (tone_[i]) tone_[i]->setGeometry(places[i]);
  }
}

QWidget* frmMain::visibleSingleView() const {
  const std::optional<View> view = ViewOfMenuItem(currentItem_);
  return view ? singleViewWindow(*view) : nullptr;
}

void frmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (currentItem_ == MenuItemOfView(View::Tone)) {
    ArrangeToneWindows();
  } else {
    FitChildWindow(visibleSingleView());
  }
}

void frmMain::mnuMidiSetup_Click() {
  if (shell_.runMidiSetup) shell_.runMidiSetup(this);
  for (QWidget* window : {tone_[0].data(), tone_[1].data(), tone_[2].data(), keyboard_.data(), stage_.data()}) {
    if (window != nullptr) shell_.views.activateView(window);
  }
}

void frmMain::mnuAbout_Click() {
  frmAbout about(this);
  NameCaptionlessControls(&about);
  about.exec();
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (!exitDone_) {
    if (!shell_.views.confirmCloseAll()) {
      event->ignore();
      return;
    }
    runExitSequence();
  }
  event->accept();
}

void frmMain::runExitSequence() {
  exitDone_ = true;
  // The port handles are saved while the ports are still open, so the next start reopens them.
  SaveSettings(shell_.store, shell_.state, shell_.midi.hMidiIn(), shell_.midi.hMidiOut());
  shell_.midi.CloseMidiIn();
  QCoreApplication::processEvents();
  shell_.midi.CloseMidiOut();
  QCoreApplication::processEvents();
  unloadViews();
  shell_.store.sync();
}

// Each view stores its settings and hears that it closes, then goes.
void frmMain::unloadViews() {
  for (QPointer<QWidget>* view : {&stage_, &diskLink_, &keyboard_, &tone_[0], &tone_[1], &tone_[2], &upFile_}) {
    if (view->isNull()) continue;
    shell_.views.unloadView(view->data());
    QCloseEvent closing;
    QCoreApplication::sendEvent(view->data(), &closing);
    delete view->data();
  }
}

}  // namespace tarnwick
