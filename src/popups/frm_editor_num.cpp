// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/value_popup.h"

#include <QLineEdit>

namespace tarnwick {
namespace {

Qt::Alignment NumberAlignment(int alignment) {
  switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

}  // namespace

FrmEditorNum::FrmEditorNum(QWidget* parent) : ValuePopup(parent) {
  setObjectName(QStringLiteral("frmEditorNum"));
}

void FrmEditorNum::setUp(const NumEditParams& params, const QColor& fill, const QString& fieldName) {
  params_ = params;
  params_.accepted = false;
  prepare(PopupPlace{params.top, params.left, params.height, params.width}, fill, fieldName,
          QString::number(params.value), NumberAlignment(params.alignment));
  if (params.layout == 2) {
    setEditorInset(30, 30, 90, 120);
  } else {
    setEditorInset(15, 15, 30, 30);
  }
  finishOpening();
}

void FrmEditorNum::runCheck() { applyVerdict(CheckNumberText(editor()->text(), params_)); }

void FrmEditorNum::takeResult() {
  params_.result = static_cast<std::uint8_t>(LeadingNumber(editor()->text()));
  params_.accepted = true;
}

}  // namespace tarnwick
