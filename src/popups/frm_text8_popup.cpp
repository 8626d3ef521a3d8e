// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/value_popup.h"

#include <QLineEdit>

namespace tarnwick {

FrmText8Popup::FrmText8Popup(TextPopupKind kind, QWidget* parent)
    : ValuePopup(parent), kind_(kind) {}

void FrmText8Popup::setUp(const PopupPlace& place, Qt::Alignment alignment, const QString& text,
                          const QColor& fill, const QString& fieldName) {
  textEditAccepted_ = false;
  startText_ = text;
  prepare(place, fill, fieldName, text, alignment);
  if (kind_ == TextPopupKind::PanelText8) {
    setEditorInset(30, 30, 60, 60);
  } else {
    useRimLabel(15);
    setEditorInset(45, 45, 90, 90);
  }
  finishOpening();
}

QString FrmText8Popup::text() const { return editor()->text(); }

void FrmText8Popup::runCheck() { applyVerdict(CheckNameText(editor()->text(), startText_, kind_)); }

void FrmText8Popup::takeResult() { textEditAccepted_ = true; }

FrmEditorText8::FrmEditorText8(QWidget* parent) : FrmText8Popup(TextPopupKind::PanelText8, parent) {
  setObjectName(QStringLiteral("frmEditorText8"));
}

FrmNameEditor::FrmNameEditor(QWidget* parent) : FrmText8Popup(TextPopupKind::GridName, parent) {
  setObjectName(QStringLiteral("frmNameEditor"));
}

}  // namespace tarnwick
