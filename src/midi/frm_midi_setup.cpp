// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/frm_midi_setup.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "midi/double_click_label.h"
#include "midi/midi_api.h"
#include "midi/midi_device_choice.h"
#include "midi/midi_device_text.h"
#include "midi/midi_result.h"
#include "ui/user_dialogs.h"

namespace tarnwick {
namespace {

// The four channels in the order of the dialog's rows, with the value a double-click restores.
MidiChannel& ChannelSetting(MidiSettings& settings, int index) {
  switch (index) {
    case 0:
      return settings.basicTx;
    case 1:
      return settings.basicRx;
    case 2:
      return settings.styleTx;
    default:
      return settings.styleRx;
  }
}

constexpr int kDefaultChannel[4] = {12, 12, 9, 9};

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace

frmMidiSetup::frmMidiSetup(MidiApi& midi, MidiSettings& settings, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), midi_(midi), settings_(settings), dialogs_(dialogs), controls_(BuildMidiSetupControls(*this)) {
  setObjectName(QStringLiteral("frmMidiSetup"));
  setWindowTitle(QStringLiteral("Midi Setup"));
  setModal(true);
  resize(sizeHint().expandedTo(QSize(680, 460)));
  connectControls();
  openingSequence();
  controls_.cmdOK->setFocus();
}

void frmMidiSetup::connectControls() {
  connect(controls_.chkIn, &QCheckBox::clicked, this, &frmMidiSetup::onInPortClicked);
  connect(controls_.chkOut, &QCheckBox::clicked, this, &frmMidiSetup::onOutPortClicked);
  connect(controls_.lstIn, &QListWidget::itemSelectionChanged, this, &frmMidiSetup::onInSelectionChanged);
  connect(controls_.lstOut, &QListWidget::itemSelectionChanged, this, &frmMidiSetup::onOutSelectionChanged);
  connect(controls_.cmdInProperties, &QPushButton::clicked, this, &frmMidiSetup::showInProperties);
  connect(controls_.cmdOutProperties, &QPushButton::clicked, this, &frmMidiSetup::showOutProperties);
  connect(controls_.cmdOK, &QPushButton::clicked, this, &frmMidiSetup::onOK);
  connect(controls_.cmdCancel, &QPushButton::clicked, this, &frmMidiSetup::reject);
  for (int index = 0; index < 4; ++index) {
    const ChannelControls& channel = controls_.channels[index];
    connect(channel.bar, &QScrollBar::valueChanged, this, [this, index](int value) { onChannelChanged(index, value); });
    connect(channel.value, &DoubleClickLabel::doubleClicked, this,
            [channel, index] { channel.bar->setValue(kDefaultChannel[index]); });
  }
}

void frmMidiSetup::openingSequence() {
  midi_.setMidiInEnabled(false);
  settingsAtOpening_ = settings_;
  inWasOpen_ = midi_.hMidiIn() != 0;
  outWasOpen_ = midi_.hMidiOut() != 0;

  // A box checked here counts as a click: an open port is test-opened, which leaves it closed.
  setPortBox(controls_.chkIn, inWasOpen_);
  if (inWasOpen_) onInPortClicked(true);
  setPortBox(controls_.chkOut, outWasOpen_);
  if (outWasOpen_) onOutPortClicked(true);

  const int storedIn = settings_.inDevice;
  const int storedOut = settings_.outDevice;
  for (int index = 0; index < 4; ++index) {
    const int value = ChannelSetting(settings_, index).zeroBased();
    controls_.channels[index].bar->setValue(value);
    onChannelChanged(index, value);
  }

  // Each side stands on its own: a device that cannot be read leaves the other list usable.
  if (fillInList()) {
    const DeviceChoice choice = ChooseInDevice(storedIn, inDevices_);
    settings_.inDevice = choice.device;
    selectEntry(controls_.lstIn, choice.row);
  }
  if (fillOutList()) {
    const DeviceChoice choice = ChooseOutDevice(storedOut, outDevices_);
    settings_.outDevice = choice.device;
    selectEntry(controls_.lstOut, choice.row);
  }
}

bool frmMidiSetup::fillInList() {
  MidiService& service = midi_.service();
  const int count = service.inDeviceCount();
  for (int device = 0; device < count; ++device) {
    MidiInCaps caps;
    if (const int code = service.inDeviceCaps(device, caps); code != kMidiOk) {
      midi_.ShowMidiInError(code);
      settings_.inDevice = kMidiNoDevice;
      return false;
    }
    inDevices_.push_back(caps);
    controls_.lstIn->addItem(QString::fromStdString(caps.name));
  }
  return true;
}

bool frmMidiSetup::fillOutList() {
  MidiService& service = midi_.service();
  const int count = service.outDeviceCount();
  for (int device = 0; device < count; ++device) {
    MidiOutCaps caps;
    if (const int code = service.outDeviceCaps(device, caps); code != kMidiOk) {
      midi_.ShowMidiOutError(code);
      settings_.outDevice = kMidiNoDevice;
      return false;
    }
    outDevices_.push_back(caps);
    controls_.lstOut->addItem(QString::fromStdString(caps.name));
  }
  MidiOutCaps virtualPort;
  service.outDeviceCaps(kVirtualOutDevice, virtualPort);
  outDevices_.push_back(virtualPort);
  controls_.lstOut->addItem(QString::fromStdString(virtualPort.name));
  return true;
}

void frmMidiSetup::selectEntry(QListWidget* list, int row) {
  if (row < 0) {
    list->clearSelection();
    return;
  }
  list->setCurrentRow(row);
  list->scrollToItem(list->item(row));
}

void frmMidiSetup::setPortBox(QCheckBox* box, bool on) {
  const QSignalBlocker quiet(box);
  box->setChecked(on);
  box->setText(on ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

bool frmMidiSetup::testOpenIn() {
  bool opened = true;
  if (controls_.chkIn->isChecked()) {
    if (const int code = midi_.OpenMidiIn(settings_.inDevice); code != kMidiOk) {
      midi_.ShowMidiInError(code);
      setPortBox(controls_.chkIn, false);
      opened = false;
    }
  }
  midi_.CloseMidiIn();
  return opened;
}

bool frmMidiSetup::testOpenOut() {
  bool opened = true;
  if (controls_.chkOut->isChecked()) {
    if (const int code = midi_.OpenMidiOut(settings_.outDevice); code != kMidiOk) {
      midi_.ShowMidiOutError(code);
      setPortBox(controls_.chkOut, false);
      opened = false;
    }
  }
  midi_.CloseMidiOut();
  return opened;
}

void frmMidiSetup::onInPortClicked(bool checked) {
  if (checked) {
    setPortBox(controls_.chkIn, testOpenIn());
    return;
  }
  setPortBox(controls_.chkIn, false);
  midi_.CloseMidiIn();
}

void frmMidiSetup::onOutPortClicked(bool checked) {
  if (checked) {
    setPortBox(controls_.chkOut, testOpenOut());
    return;
  }
  setPortBox(controls_.chkOut, false);
  midi_.CloseMidiOut();
}

void frmMidiSetup::onInSelectionChanged() {
  const int row = SelectedRow(controls_.lstIn);
  if (row >= 0) settings_.inDevice = row;
}

void frmMidiSetup::onOutSelectionChanged() {
  const int row = SelectedRow(controls_.lstOut);
  if (row >= 0) settings_.outDevice = OutDeviceForRow(row, controls_.lstOut->count());
}

void frmMidiSetup::onChannelChanged(int index, int value) {
  controls_.channels[index].value->setText(QString::number(value + 1));
  ChannelSetting(settings_, index) = MidiChannel::fromZeroBased(value);
}

void frmMidiSetup::onOK() {
  if (controls_.chkIn->isChecked()) {
    if (!testOpenIn()) {
      midi_.CloseMidiIn();
      return;
    }
    // Opened a moment ago by the test, but a device can still vanish in between.
    if (const int code = midi_.OpenMidiIn(settings_.inDevice); code != kMidiOk) {
      midi_.ShowMidiInError(code);
      setPortBox(controls_.chkIn, false);
      return;
    }
  }
  if (controls_.chkOut->isChecked()) {
    if (!testOpenOut()) {
      midi_.CloseMidiIn();
      midi_.CloseMidiOut();
      return;
    }
    if (const int code = midi_.OpenMidiOut(settings_.outDevice); code != kMidiOk) {
      midi_.ShowMidiOutError(code);
      setPortBox(controls_.chkOut, false);
      midi_.CloseMidiIn();
      return;
    }
  }
  accept();
}

void frmMidiSetup::reject() {
  settings_ = settingsAtOpening_;
  midi_.CloseMidiIn();
  midi_.CloseMidiOut();
  if (inWasOpen_) {
    if (const int code = midi_.OpenMidiIn(settings_.inDevice); code != kMidiOk) midi_.ShowMidiInError(code);
  }
  if (outWasOpen_) {
    if (const int code = midi_.OpenMidiOut(settings_.outDevice); code != kMidiOk) midi_.ShowMidiOutError(code);
  }
  QDialog::reject();
}

QString frmMidiSetup::inPropertiesText() const {
  const int row = SelectedRow(controls_.lstIn);
  if (row < 0 || row >= static_cast<int>(inDevices_.size())) return {};
  return QString::fromStdString(InDevicePropertiesText(inDevices_[row]));
}

QString frmMidiSetup::outPropertiesText() const {
  const int row = SelectedRow(controls_.lstOut);
  if (row < 0 || row >= static_cast<int>(outDevices_.size())) return {};
  return QString::fromStdString(OutDevicePropertiesText(outDevices_[row]));
}

void frmMidiSetup::showInProperties() {
  const QString text = inPropertiesText();
  if (text.size() > 4) {
    dialogs_.showMessage(text, QStringLiteral("Midi In Device Properties"), UserDialogs::Icon::Information);
  }
}

void frmMidiSetup::showOutProperties() {
  const QString text = outPropertiesText();
  if (text.size() > 4) {
    dialogs_.showMessage(text, QStringLiteral("Midi Out Device Properties"), UserDialogs::Icon::Information);
  }
}

}  // namespace tarnwick
