// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/stage_trigger.h"

#include <QStringList>

namespace tarnwick {
namespace {

using Kind = IncomingMessage::Kind;

bool IsControl(Kind kind) { return kind == Kind::Control || kind == Kind::BankMSB || kind == Kind::BankLSB; }

QString Hex(int byte) { return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper(); }

}  // namespace

QString TriggerText(const StageTrigger& trigger) {
  if (trigger.empty()) return {};
  if (trigger.data1 < 0) return Hex(trigger.status);
  return Hex(trigger.status) + u' ' + Hex(trigger.data1);
}

std::optional<StageTrigger> ParseTrigger(const QString& text) {
  const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
  if (words.isEmpty()) return StageTrigger{};
  if (words.size() > 2 || words[0].size() != 2) return std::nullopt;
  bool ok = false;
  const int status = words[0].toInt(&ok, 16);
  const int kind = status >> 4;
  if (!ok || (kind != 0x9 && kind != 0xB && kind != 0xC)) return std::nullopt;
  if (words.size() == 1) {
    if (kind != 0xC) return std::nullopt;
    return StageTrigger{static_cast<std::uint8_t>(status), -1};
  }
  const int data1 = words[1].toInt(&ok, 16);
  if (!ok || words[1].size() != 2 || data1 > 0x7F) return std::nullopt;
  return StageTrigger{static_cast<std::uint8_t>(status), data1};
}

std::optional<StageTrigger> LearnTrigger(const IncomingMessage& message) {
  const auto channel = static_cast<std::uint8_t>(message.channel & 0x0F);
  if (IsControl(message.kind) && message.data2 >= 64) return StageTrigger{std::uint8_t(0xB0 | channel), message.data1};
  if (message.kind == Kind::Note && message.data2 > 0) return StageTrigger{std::uint8_t(0x90 | channel), message.data1};
  if (message.kind == Kind::Program) return StageTrigger{std::uint8_t(0xC0 | channel), -1};
  return std::nullopt;
}

bool IsTrigger(const StageTrigger& trigger, const IncomingMessage& message) {
  if (trigger.empty()) return false;
  const std::optional<StageTrigger> press = LearnTrigger(message);
  if (!press || press->status != trigger.status) return false;
  if ((trigger.status >> 4) == 0xC) return trigger.data1 < 0 || trigger.data1 == message.data1;
  return press->data1 == trigger.data1;
}

bool BounceGate::Pass(std::int64_t nowMilliseconds) {
  if (last_ && nowMilliseconds - *last_ < kBounceMilliseconds) return false;
  last_ = nowMilliseconds;
  return true;
}

}  // namespace tarnwick
