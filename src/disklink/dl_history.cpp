// SPDX-License-Identifier: GPL-3.0-or-later
#include "disklink/dl_history.h"

namespace tarnwick {
namespace {

DLHistoryEntry EntryFor(const char* verb, const FileStep* step) {
  QString text = QString::fromLatin1(verb);
  if (step == nullptr) return {text, false};
  text += u' ' + QString::fromStdString(step->what);
  if (IsDiskLinkStep(step)) return {text, true};
  return {text + QStringLiteral(" (in the User Program view)"), false};
}

}  // namespace

bool IsDiskLinkStep(const FileStep* step) { return step != nullptr && step->kind == FileStep::Kind::Header; }

DLHistoryEntry DLUndoEntry(const FileHistory& history) { return EntryFor("Undo", history.UndoStep()); }
DLHistoryEntry DLRedoEntry(const FileHistory& history) { return EntryFor("Redo", history.RedoStep()); }

}  // namespace tarnwick
