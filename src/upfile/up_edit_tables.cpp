// SPDX-License-Identifier: GPL-3.0-or-later
#include "upfile/up_edit_tables.h"

#include <array>

#include "updata/value_names.h"
#include "upfile/grid_cells.h"

namespace tarnwick {
namespace {

// The flag texts are the ones the CSV export and every other view use.
QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Number(int value) { return QString::number(value); }

constexpr std::array<const char*, kPartTableColumns> kPartHeaders = {
    "Chn", "Part", "Tone", "On", "Vol", "Pan", "Rev", "Cho", "Dly", "EQ", "S.L", "S.S", "S.T"};
constexpr std::array<const char*, kPartTableColumns> kPartHeaderTips = {
    "",
    "",
    "Part Tone Name",
    "Part ON/OFF",
    "Part Volume",
    "Part Panpot",
    "Part Reverb",
    "Part Chorus",
    "Part Delay",
    "Part Equalizer ON/OFF {Mixer.RTime/Arrng}",
    "Part Song LINK ON/OFF {Mixer.Song.Link}",
    "Part Song Status ON/Mute {Mixer.Song.Status}",
    "Part Song ToneChng CC32=0 {Mixer.Song.ToneChng}"};
constexpr std::array<const char*, kToneTableRows> kToneRowTitles = {
    "cc 00", "cc 32", "Prg.Chg", "Sg T.Chng", "Song LINK", "Sg Status", "Wrap Rng", "T.Arrng"};

}  // namespace

QString PartTableCell(const NameTables& names, const UPRecord& up, int part, int col) {
  switch (col) {
    case 0: return Number(PartChannelShown(part));
    case 1: return ToneTableColumnTitle(part + 1);
    case 2: return AnsiQString(GetPartToneName(names, up, part));
    case 3: return Text(PartOnText(up, part));
    case 4: return Number(Read(up, field::PartVolume, part));
    case 5: return Number(Read(up, field::PartPanpot, part));
    case 6: return Number(Read(up, field::PartReverb, part));
    case 7: return Number(Read(up, field::PartChorus, part));
    case 8: return Number(Read(up, field::PartDelay, part));
    case 9: return Text(PartEqText(up, part));
    case 10: return Text(PartSongLinkText(up, part));
    case 11: return Text(PartSongStatusText(up, part));
    case 12: return Text(PartToneChangeText(up, part));
    default: return {};
  }
}

QString PartTableHeader(int col) {
  return col >= 0 && col < kPartTableColumns ? QString::fromLatin1(kPartHeaders[col]) : QString();
}

QString PartTableHeaderToolTip(int col) {
  return col >= 0 && col < kPartTableColumns ? QString::fromLatin1(kPartHeaderTips[col]) : QString();
}

QString ToneTableCell(const UPRecord& up, int part, int row) {
  switch (row) {
    case 0: return Number(Read(up, field::PartToneMSB, part));
    case 1: return Number(GetUPByte(up, field::PartToneLSB.offset + 3 * part));
    case 2: return Number(GetUPByte(up, field::PartTonePC.offset + 3 * part) + 1);
    case 3: return Text(PartToneChangeText(up, part));
    case 4: return Text(PartSongLinkText(up, part));
    case 5: return Text(PartSongStatusText(up, part));
    case 6: return Text(PartWrapText(up, part));
    case 7: return Text(PartToneArrangerText(up, part));
    default: return {};
  }
}

QString ToneTableRowTitle(int row) {
  return row >= 0 && row < kToneTableRows ? QString::fromLatin1(kToneRowTitles[row]) : QString();
}

QString ToneTableColumnTitle(int col) {
  if (col == 0) return QStringLiteral("Parameter");
  if (col <= 0 || col >= kToneTableColumns) return {};
  const std::string_view part = PartName(col - 1);
  return QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size()));
}

PartTableModel::PartTableModel(const NameTables& names, QObject* parent)
    : QAbstractTableModel(parent), names_(names) {}

void PartTableModel::showUP(const UPRecord* up) {
  shown_ = up != nullptr;
  up_ = shown_ ? *up : UPRecord{};
  emit dataChanged(index(0, 0), index(kPartCount - 1, kPartTableColumns - 1), {Qt::DisplayRole});
}

int PartTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kPartCount; }

int PartTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kPartTableColumns;
}

QVariant PartTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  if (role != Qt::DisplayRole) return {};
  // Channel and part name label the rows even when no UP is shown.
  if (!shown_ && index.column() > 1) return QString();
  return PartTableCell(names_, up_, index.row(), index.column());
}

QVariant PartTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
  if (role == Qt::DisplayRole) return PartTableHeader(section);
  if (role == Qt::ToolTipRole) return PartTableHeaderToolTip(section);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

ToneTableModel::ToneTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ToneTableModel::showUP(const UPRecord* up) {
  shown_ = up != nullptr;
  up_ = shown_ ? *up : UPRecord{};
  emit dataChanged(index(0, 1), index(kToneTableRows - 1, kToneTableColumns - 1), {Qt::DisplayRole});
}

int ToneTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kToneTableRows; }

int ToneTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kToneTableColumns;
}

QVariant ToneTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  if (role != Qt::DisplayRole) return {};
  if (index.column() == 0) return ToneTableRowTitle(index.row());
  return shown_ ? ToneTableCell(up_, index.column() - 1, index.row()) : QString();
}

QVariant ToneTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
  if (role == Qt::DisplayRole) return ToneTableColumnTitle(section);
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(section == 0 ? (Qt::AlignRight | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter));
  return {};
}

}  // namespace tarnwick
