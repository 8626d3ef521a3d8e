// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the set list: the stepping keys, clicks, the large current entry and the next one, the
// flash at either end, what a screen reader hears, full screen and the dark stage look.
#include <QAccessible>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "stage/frm_stage.h"
#include "stage/stage_model.h"

namespace tarnwick {
namespace {

constexpr int kFlashMilliseconds = 250;

std::optional<StepKind> StepOfKey(int key) {
  switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown: return StepKind::Next;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp: return StepKind::Previous;
    case Qt::Key_Home: return StepKind::First;
    case Qt::Key_End: return StepKind::Last;
    default: return std::nullopt;
  }
}

QString DetailsOf(const StageRow& row) {
  QStringList parts;
  if (!row.text(StageColumn::Tempo).isEmpty()) parts << QStringLiteral("Tempo ") + row.text(StageColumn::Tempo);
  for (const StageColumn column : {StageColumn::Style, StageColumn::Song}) {
    if (!row.text(column).isEmpty()) parts << row.text(column);
  }
  return row.text(StageColumn::UP) + QStringLiteral("    ") + parts.join(QStringLiteral("  ·  "));
}

}  // namespace

bool frmStage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (handleEditKey(key->key(), key->modifiers()) || handleKey(key->key(), key->modifiers())) return true;
  }
  return QWidget::eventFilter(watched, event);
}

// Alt+Up / Alt+Down move the selected entries, Delete removes them, F2 edits the note.
bool frmStage::handleEditKey(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers == Qt::AltModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    moveSelected(key == Qt::Key_Up ? -1 : 1);
    return true;
  }
  if (modifiers != Qt::NoModifier) return false;
  if (key == Qt::Key_Delete) {
    removeSelected();
    return true;
  }
  if (key == Qt::Key_F2 && current_ >= 0) {
    table_->edit(model_->index(current_, static_cast<int>(StageColumn::Note)));
    return true;
  }
  return false;
}

bool frmStage::handleKey(int key, Qt::KeyboardModifiers modifiers) {
  if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  if (key == Qt::Key_Escape && learning_ != Learning::None) {
    learn(Learning::None);
    return true;
  }
  if (key == Qt::Key_F11) {
    toggleFullScreen();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    resend();
    return true;
  }
  const std::optional<StepKind> kind = StepOfKey(key);
  if (!kind) return false;
  step(*kind);
  return true;
}

void frmStage::step(StepKind kind) {
  const StepResult result = StepFrom(list_.entries(), current_, kind);
  if (result.row < 0) return;
  if (result.atEnd && result.row == current_) {
    flash();  // the entry stays as it is on the instrument too
    return;
  }
  if (result.atEnd) flash();
  playRow(result.row, true);
}

void frmStage::selectRow(int row) {
  if (row < 0 || row >= list_.size()) return;
  playRow(row, list_.entries()[static_cast<std::size_t>(row)].state != EntryState::Missing);
}

void frmStage::resend() {
  if (current_ >= 0) playRow(current_, true);
}

// Selects the UP first: the instrument must not wait for the screen.
void frmStage::playRow(int row, bool send) {
  const StageEntry& entry = list_.entries()[static_cast<std::size_t>(row)];
  if (send && entry.state != EntryState::Missing && midi_.outOpen && midi_.outOpen()) midi_.sendUPSelect(entry.id);
  current_ = row;
  model_->setCurrentRow(row);
  const QModelIndex index = model_->index(row, 0);
  table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->scrollTo(index);
  showCurrent();
  announce(QStringLiteral("%1, %2 of %3").arg(currentName_->text()).arg(row + 1).arg(list_.size()));
}

void frmStage::showCurrent() {
  if (current_ < 0 || current_ >= list_.size()) {
    currentName_->setText(list_.size() == 0 ? QStringLiteral("No songs yet: add UPs from a UP grid's menu") : QString());
    for (QLabel* label : {currentDetails_, currentNote_, nextEntry_}) label->clear();
    return;
  }
  const StageRow& row = model_->rowAt(current_);
  currentName_->setText(row.text(StageColumn::Name));
  currentDetails_->setText(DetailsOf(row));
  currentNote_->setText(row.text(StageColumn::Note));
  const int next = StepFrom(list_.entries(), current_, StepKind::Next).row;
  nextEntry_->setText(next > current_ ? QStringLiteral("Next: ") + model_->rowAt(next).text(StageColumn::Name)
                                      : QStringLiteral("Next: (end of the set)"));
}

// Screen readers hear the new entry's name: the table's description changes and says so.
void frmStage::announce(const QString& text) {
  table_->setAccessibleDescription(text);
  QAccessibleEvent event(table_, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

void frmStage::flash() {
  emit endReached();
  QPalette inverted = perform_->palette();
  const QColor text = inverted.color(QPalette::WindowText);
  inverted.setColor(QPalette::WindowText, inverted.color(QPalette::Window));
  inverted.setColor(QPalette::Window, text);
  const QPalette before = perform_->palette();
  perform_->setPalette(inverted);
  QTimer::singleShot(kFlashMilliseconds, perform_, [this, before] { perform_->setPalette(before); });
}

void frmStage::toggleFullScreen() {
  QWidget* top = window();
  top->setWindowState(top->windowState() ^ Qt::WindowFullScreen);
}

void frmStage::setDark(bool dark) {
  settings_.dark = dark;
  if (dark_->isChecked() != dark) dark_->setChecked(dark);
  QPalette colours = palette();
  if (dark) {
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button}) {
      colours.setColor(role, Qt::black);
    }
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      colours.setColor(role, QColor(240, 240, 240));
    }
  } else {
    colours = QPalette();
  }
  setAutoFillBackground(dark);
  setPalette(colours);
  perform_->setPalette(colours);
  model_->setDark(dark);
}

void frmStage::showMidiOutState() { midiOutOff_->setVisible(!(midi_.outOpen && midi_.outOpen())); }

void frmStage::onListChanged() {
  if (current_ >= list_.size()) current_ = list_.size() - 1;
  model_->setCurrentRow(current_);
  if (current_ >= 0) {  // the table forgets its selection when the list changes
    table_->selectionModel()->setCurrentIndex(model_->index(current_, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  showCurrent();
  showCaption();
}

QString frmStage::caption() const { return caption_; }

void frmStage::showCaption() {
  const QString name = list_.path().isEmpty() ? QStringLiteral("New set list") : QFileInfo(list_.path()).fileName();
  const QString caption = name + (list_.modified() ? QStringLiteral("*") : QString());
  setListName_->setText(caption);
  if (caption == caption_) return;
  caption_ = caption;
  emit captionChanged(caption_);
}

void frmStage::moveSelected(int direction) {
  const std::vector<int> rows = selectedRows();
  if (rows.empty()) return;
  const int target = direction < 0 ? rows.front() - 1 : rows.back() + 2;
  if (target < 0 || target > list_.size()) return;
  const int count = static_cast<int>(rows.size());
  const int first = direction < 0 ? rows.front() - 1 : rows.back() + 2 - count;
  list_.Move(rows, target);
  QItemSelection moved(model_->index(first, 0), model_->index(first + count - 1, 0));
  table_->selectionModel()->select(moved, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->selectionModel()->setCurrentIndex(model_->index(first, 0), QItemSelectionModel::NoUpdate);
}

void frmStage::removeSelected() {
  const std::vector<int> rows = selectedRows();
  if (!rows.empty()) list_.Remove(rows);
}

std::vector<int> frmStage::selectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace tarnwick
