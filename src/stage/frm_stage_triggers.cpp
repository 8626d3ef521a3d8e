// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI foot switch of the Stage view: learning the Next and Previous triggers from the switch
// itself, and stepping when one arrives (once per bounce).
#include <QLabel>
#include <QPushButton>

#include "stage/frm_stage.h"

namespace tarnwick {
namespace {

QString TriggerCaption(const StageTrigger& trigger) {
  return trigger.empty() ? QStringLiteral("(none)") : TriggerText(trigger);
}

}  // namespace

void frmStage::learn(Learning which) {
  learning_ = learning_ == which ? Learning::None : which;  // a second click stops learning
  showTriggers();
}

void frmStage::showTriggers() {
  const QString waiting = QStringLiteral("press the switch…");
  nextTrigger_->setText(learning_ == Learning::Next ? waiting : TriggerCaption(settings_.next));
  previousTrigger_->setText(learning_ == Learning::Previous ? waiting : TriggerCaption(settings_.previous));
  learnNext_->setDown(learning_ == Learning::Next);
  learnPrevious_->setDown(learning_ == Learning::Previous);
  nextTrigger_->setAccessibleName(QStringLiteral("Next trigger: ") + nextTrigger_->text());
  previousTrigger_->setAccessibleName(QStringLiteral("Previous trigger: ") + previousTrigger_->text());
}

void frmStage::StageMessageReceived(const IncomingMessage& message) {
  if (learning_ != Learning::None) {
    const std::optional<StageTrigger> learned = LearnTrigger(message);
    if (!learned) return;  // a release, or a message no switch sends
    (learning_ == Learning::Next ? settings_.next : settings_.previous) = *learned;
    learning_ = Learning::None;
    showTriggers();
    return;
  }
  if (IsTrigger(settings_.next, message)) {
    if (nextGate_.Pass(now())) step(StepKind::Next);
  } else if (IsTrigger(settings_.previous, message)) {
    if (previousGate_.Pass(now())) step(StepKind::Previous);
  }
}

}  // namespace tarnwick
