// SPDX-License-Identifier: GPL-3.0-or-later
// The Stage view's controls and their wiring.
#include "stage/frm_stage.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "state/app_state.h"
#include "stage/stage_model.h"
#include "ui/undo_shortcuts.h"
#include "ui/user_dialogs.h"

namespace tarnwick {
namespace {

// The sizes a player reads from the stage: the song's name and, smaller, what goes with it.
constexpr int kNamePixels = 56;
constexpr int kDetailPixels = 26;

QLabel* SizedLabel(QWidget* parent, const char* name, int pixels, bool bold) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont font = label->font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  return label;
}

std::int64_t SteadyMilliseconds() {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock.elapsed();
}

}  // namespace

frmStage::frmStage(AppState& state, UserDialogs& dialogs, const StageSettings& settings, StageMidi midi,
                   QWidget* parent)
    : QWidget(parent),
      state_(state),
      dialogs_(dialogs),
      settings_(settings),
      midi_(std::move(midi)),
      list_(state.up),
      clock_(SteadyMilliseconds) {
  setObjectName(QStringLiteral("frmStage"));
  setAccessibleName(QStringLiteral("Stage"));
  model_ = new StageModel(list_, this);
  buildControls();
  connect(&list_, &StageSetList::changed, this, &frmStage::onListChanged);
  connect(model_, &StageModel::dropRefused, this, [this](const QString& why) { dialogs_.showMessage(why); });
  AddUndoShortcuts(this, [this] { list_.Undo(); }, [this] { list_.Redo(); });
  setDark(settings_.dark);
  showTriggers();
  onListChanged();
}

frmStage::~frmStage() = default;

void frmStage::buildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildCommandRow());
  layout->addWidget(buildTriggerRow());
  layout->addWidget(buildPerformPanel());
  buildTable();
  layout->addWidget(table_, 1);
  setFocusProxy(table_);
}

QPushButton* frmStage::addButton(QWidget* row, const char* name, const QString& caption, const QString& tip) {
  auto* button = new QPushButton(caption, row);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(tip);
  button->setAccessibleName(caption);
  // A page turner's Space or arrows must step the list, never press the button under the focus.
  button->setFocusPolicy(Qt::NoFocus);
  row->layout()->addWidget(button);
  return button;
}

QWidget* frmStage::buildCommandRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto command = [&](const char* name, const char* caption, const char* keys, const char* tip,
                           auto action) {
    QPushButton* button = addButton(row, name, QString::fromUtf8(caption),
                                    QString::fromLatin1(tip) + QStringLiteral(" (%1)").arg(QString::fromLatin1(keys)));
    connect(button, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
    auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this, nullptr, nullptr,
                                   Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, action] { (this->*action)(); });
  };
  command("cmd_StageNew", "New", "Ctrl+N", "Start a new set list", &frmStage::newSetList);
  command("cmd_StageOpen", "Open…", "Ctrl+O", "Open a set list", &frmStage::openSetList);
  command("cmd_StageSave", "Save", "Ctrl+S", "Save the set list", &frmStage::saveSetList);
  command("cmd_StageSaveAs", "Save As…", "Ctrl+Shift+S", "Save the set list under another name",
          &frmStage::saveSetListAs);
  command("cmd_StagePrint", "Print…", "Ctrl+P", "Print the set list with its notes", &frmStage::printSetList);
  command("cmd_StageExport", "Export…", "Ctrl+E", "Export the set list as PDF or CSV", &frmStage::exportSetList);
  setListName_ = new QLabel(row);
  setListName_->setObjectName(QStringLiteral("lbl_SetListName"));
  layout->addWidget(setListName_, 1);
  midiOutOff_ = new QLabel(QStringLiteral("(Midi Out = OFF)"), row);
  midiOutOff_->setObjectName(QStringLiteral("lbl_MidiOut_IsOff"));
  midiOutOff_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
  layout->addWidget(midiOutOff_);
  return row;
}

QWidget* frmStage::buildTriggerRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  learnNext_ = addButton(row, "cmd_LearnNext", QStringLiteral("Learn Next"),
                         QStringLiteral("The next message on MIDI In becomes the Next trigger (Ctrl+L)"));
  nextTrigger_ = new QLabel(row);
  nextTrigger_->setObjectName(QStringLiteral("lbl_NextTrigger"));
  layout->addWidget(nextTrigger_);
  learnPrevious_ = addButton(row, "cmd_LearnPrevious", QStringLiteral("Learn Previous"),
                             QStringLiteral("The next message on MIDI In becomes the Previous trigger (Ctrl+Shift+L)"));
  previousTrigger_ = new QLabel(row);
  previousTrigger_->setObjectName(QStringLiteral("lbl_PreviousTrigger"));
  layout->addWidget(previousTrigger_);
  layout->addStretch(1);
  dark_ = new QCheckBox(QStringLiteral("Dark"), row);
  dark_->setObjectName(QStringLiteral("chk_Dark"));
  dark_->setToolTip(QStringLiteral("Light text on black, for a dark stage (Ctrl+D)"));
  dark_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(dark_);
  connect(dark_, &QCheckBox::toggled, this, &frmStage::setDark);
  connect(learnNext_, &QPushButton::clicked, this, [this] { learn(Learning::Next); });
  connect(learnPrevious_, &QPushButton::clicked, this, [this] { learn(Learning::Previous); });
  const auto key = [this](const char* keys, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this, nullptr, nullptr,
                                   Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  key("Ctrl+L", [this] { learn(Learning::Next); });
  key("Ctrl+Shift+L", [this] { learn(Learning::Previous); });
  key("Ctrl+D", [this] { dark_->toggle(); });
  return row;
}

QFrame* frmStage::buildPerformPanel() {
  perform_ = new QFrame(this);
  perform_->setObjectName(QStringLiteral("fra_Perform"));
  perform_->setFrameShape(QFrame::StyledPanel);
  perform_->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(perform_);
  currentName_ = SizedLabel(perform_, "lbl_CurrentName", kNamePixels, true);
  currentDetails_ = SizedLabel(perform_, "lbl_CurrentDetails", kDetailPixels, false);
  currentNote_ = SizedLabel(perform_, "lbl_CurrentNote", kDetailPixels, false);
  nextEntry_ = SizedLabel(perform_, "lbl_NextEntry", kDetailPixels, false);
  for (QLabel* label : {currentName_, currentDetails_, currentNote_, nextEntry_}) layout->addWidget(label);
  return perform_;
}

void frmStage::buildTable() {
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("grd_Stage"));
  table_->setAccessibleName(QStringLiteral("Set list"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  table_->setDragDropMode(QAbstractItemView::DragDrop);
  table_->setDefaultDropAction(Qt::MoveAction);
  table_->setDropIndicatorShown(true);
  table_->setTabKeyNavigation(false);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setSectionResizeMode(static_cast<int>(StageColumn::Name), QHeaderView::ResizeToContents);
  table_->installEventFilter(this);
  connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) { selectRow(index.row()); });
}

void frmStage::activate() {
  list_.Resolve();
  showMidiOutState();
  table_->setFocus();
}

std::int64_t frmStage::now() const { return clock_(); }

}  // namespace tarnwick
