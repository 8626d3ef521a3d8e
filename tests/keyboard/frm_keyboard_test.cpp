// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard view worked through its own controls, on the loopback MIDI service: what each
// control sends, what incoming notes light, and what the view keeps.
#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "state/app_state.h"
#include "keyboard/frm_keyboard.h"
#include "grid/filter_box.h"
#include "grid/paged_grid_view.h"
#include "keyboard/keyboard_picture.h"
#include "keyboard/rom_style_list.h"
#include "keyboard/rom_style_model.h"
#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "support/recording_dialogs.h"
#include "support/find_control.h"

namespace tarnwick {

using Sent = std::vector<std::string>;

class KeyboardRig {
 public:
  explicit KeyboardRig(const KeyboardSettings& settings = {}, bool open = true) {
    for (int i = 0; i < kStyleCount; ++i) {
      state.names.styles[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i / 64), static_cast<std::uint8_t>(i % 3),
                                                         static_cast<std::uint8_t>(i % 64), i % 2 ? "Swing   " : "Bossa   "};
    }
    service.setLoop(0, -1);  // what the keyboard plays must not come back as incoming notes
    if (open) {
      midi.OpenMidiOut(0);
      midi.OpenMidiIn(0);
    }
    window = std::make_unique<frmKeyboard>(state, settings, midi);
    window->resize(1500, 800);
    window->show();
  }

  template <typename T>
  T* find(const QString& name) const {
    return testing::FindControl<T>(*window, name);
  }
  QString text(const char* label) const { return find<QLabel>(QString::fromLatin1(label))->text(); }
  // Near the left edge: an option or box reacts on its mark and caption, not on empty space.
  void click(const QString& name) const {
    QAbstractButton* button = find<QAbstractButton>(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
  }

  // A message arriving at the input, handed over as the window thread would.
  void receive(std::uint32_t message) {
    service.receive(0, message);
    midi.deliverMidiIn();
  }
  Sent sent() {
    Sent text = service.sentText();
    service.clearSent();
    return text;
  }
  KeyboardPicture* picture() const { return window->picture(); }
  QColor painted(int note) const {
    picture()->flushFrame();
    return picture()->grab().toImage().pixelColor(picture()->keyPoint(note, 100));
  }

  AppState state;
  LoopbackMidiService service;
  MidiSettings midiSettings;
  testing::RecordingDialogs dialogs;
  MidiApi midi{service, midiSettings, dialogs};
  std::unique_ptr<frmKeyboard> window;
};

class FrmKeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void keysArePlacedForEachWidthOption() {
    KeyboardRig rig;
    for (const int pixels : {10, 13, 18, 24}) {
      rig.click(QStringLiteral("opt_WhiteKeyWidth_%1").arg(pixels));
      KeyboardPicture* picture = rig.picture();
      QCOMPARE(picture->width(), 75 * pixels + 1);  // 75 white keys and the closing line
      QCOMPARE(picture->keyRect(12).left(), 7 * pixels);
      QCOMPARE(picture->keyRect(0).width(), pixels + 1);
      QVERIFY(picture->isVisible());
      QCOMPARE(rig.window->settings().whiteKeyPixels, pixels);
    }
    QCOMPARE(rig.picture()->keyRect(1).width(), 12);  // 180 twips
    // Wider than the view: every key can still be reached by scrolling.
    auto* scroller = rig.find<QScrollArea>(QStringLiteral("scr_Keyboard"));
    QTRY_VERIFY(scroller->horizontalScrollBar()->maximum() >= rig.picture()->width() - scroller->viewport()->width());
    QVERIFY(scroller->horizontalScrollBar()->maximum() > 0);
  }

  void aPressPlaysByItsHeightAndItsOwnButtonEndsIt() {
    KeyboardRig rig;
    KeyboardPicture* picture = rig.picture();
    const QRect key = picture->keyRect(60);
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(key.center().x(), 0));
    QVERIFY(rig.window->keys().lit(60));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(5, 5));  // released over another key
    QVERIFY(!rig.window->keys().lit(60));
    QCOMPARE(rig.sent(), (Sent{"93 3C 7F", "93 3C 00"}));

    // The bottom of the key plays softest, never silent.
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(key.center().x(), key.bottom()));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(key.center().x(), key.bottom()));
    QCOMPARE(rig.sent(), (Sent{"93 3C 01", "93 3C 00"}));

    // A right click gets its note-off; a left press meanwhile starts nothing.
    QTest::mousePress(picture, Qt::RightButton, {}, picture->keyPoint(64, 0));
    QTest::mousePress(picture, Qt::LeftButton, {}, picture->keyPoint(67, 0));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, picture->keyPoint(67, 0));
    QTest::mouseRelease(picture, Qt::RightButton, {}, picture->keyPoint(67, 0));
    QCOMPARE(rig.sent(), (Sent{"93 40 7F", "93 40 00"}));
    QCOMPARE(rig.window->keys().litCount(), 0);

    // A view hidden while a key is held (its button's release goes elsewhere) ends its note.
    QTest::mousePress(picture, Qt::LeftButton, {}, picture->keyPoint(62, 0));
    rig.window->hide();
    rig.window->show();
    QCOMPARE(rig.sent(), (Sent{"93 3E 7F", "93 3E 00"}));
    QVERIFY(!rig.window->keys().lit(62));

    // So does a modal box opened while a key is held: the release would go to the box.
    QTest::mousePress(picture, Qt::LeftButton, {}, picture->keyPoint(65, 0));
    {
      QDialog box(rig.window.get());
      box.setModal(true);
      box.show();
      QCOMPARE(rig.sent(), (Sent{"93 41 7F", "93 41 00"}));
      if (const QString shots = qEnvironmentVariable("TARNWICK_SHOTS"); !shots.isEmpty()) {
        rig.window->grab().save(shots + QStringLiteral("/keyboard-note-ended-by-modal-box.png"));
      }
    }
    QTest::mouseRelease(picture, Qt::LeftButton, {}, picture->keyPoint(65, 0));
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->keyPoint(60, 0));
    QCOMPARE(rig.sent(), (Sent{"93 3C 7F", "93 3C 00"}));  // the next click plays

    // On the chosen channel; nothing while the box is off.
    rig.click(QStringLiteral("opt_Channel_0"));
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->keyPoint(60, 0));
    QCOMPARE(rig.sent(), (Sent{"90 3C 7F", "90 3C 00"}));
    rig.click(QStringLiteral("chk_Keyboard_To_MidiOut"));
    rig.sent();
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->keyPoint(60, 0));
    QCOMPARE(rig.sent(), Sent{});
  }

  void theComputerKeyboardPlaysWhileTheViewHasTheFocus() {
    KeyboardRig rig;
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    QWidget* focus = rig.find<QRadioButton>(QStringLiteral("opt_Channel_3"));
    focus->setFocus();
    QTest::keyPress(focus, Qt::Key_A);
    QVERIFY(rig.window->keys().lit(60));
    QTest::keyPress(focus, Qt::Key_A);  // still held: no second note
    QTest::keyPress(focus, Qt::Key_X);          // an octave up while A is held
    QTest::keyClick(focus, Qt::Key_W);
    QTest::keyRelease(focus, Qt::Key_A);        // ends the note A started
    QCOMPARE(rig.sent(), (Sent{"93 3C 64", "93 49 64", "93 49 00", "93 3C 00"}));
    QTest::keyClick(focus, Qt::Key_C);
    QTest::keyPress(focus, Qt::Key_Semicolon);
    rig.window->hide();  // no release will come: the note ends here
    QCOMPARE(rig.sent(), (Sent{"93 58 5A", "93 58 00"}));
    QCOMPARE(rig.window->keys().litCount(), 0);
    rig.window->show();
    // Not with Keyboard -> Midi Out off; a key with Ctrl is a shortcut, no note.
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    rig.click(QStringLiteral("chk_Keyboard_To_MidiOut"));
    rig.sent();
    QTest::keyClick(focus, Qt::Key_A);
    QCOMPARE(rig.sent(), Sent{});
    // A screen reader reads each key as a button named by its note.
    QAccessibleInterface* keys = QAccessible::queryAccessibleInterface(rig.picture());
    QCOMPARE(keys->childCount(), kKeyCount + 3);  // the keys and the three zone labels
    QStringList buttons;
    for (int i = 0; i < keys->childCount(); ++i) {
      if (keys->child(i)->role() == QAccessible::Button) buttons.append(keys->child(i)->text(QAccessible::Name));
    }
    QCOMPARE(buttons.size(), kKeyCount);
    QVERIFY(buttons.contains(QStringLiteral("C4")) && buttons.contains(QStringLiteral("C#4")));
  }

  void switchingKeyboardToMidiOutOffSilencesTheChannelAndClearsTheKeys() {
    KeyboardRig rig;
    rig.receive(0x643C93);
    rig.receive(0x504093);
    QCOMPARE(rig.window->keys().litCount(), 2);
    // A note held with the mouse ends with the All Sound Off: its release sends nothing more.
    QTest::mousePress(rig.picture(), Qt::LeftButton, {}, rig.picture()->keyPoint(70, 0));
    rig.sent();
    rig.click(QStringLiteral("chk_Keyboard_To_MidiOut"));
    QCOMPARE(rig.sent(), (Sent{"B3 78 00"}));
    QCOMPARE(rig.window->keys().litCount(), 0);
    QTest::mouseRelease(rig.picture(), Qt::LeftButton, {}, rig.picture()->keyPoint(70, 0));
    QCOMPARE(rig.sent(), Sent{});
    QVERIFY(!rig.window->settings().keyboardToMidiOut);
    rig.click(QStringLiteral("chk_Keyboard_To_MidiOut"));
    QCOMPARE(rig.sent(), Sent{});
    QVERIFY(rig.window->settings().keyboardToMidiOut);
  }

  void incomingNotesInOmniAndMonoInAnyView() {
    KeyboardRig rig;
    rig.midi.setActiveMenu(View::UPFile);  // another view is visible
    rig.receive(0x643C93);
    QVERIFY(rig.window->keys().lit(60));
    QCOMPARE(rig.painted(60), QColor(56, 156, 56));
    QCOMPARE(rig.text("lbl_Note_Value"), QStringLiteral("60"));
    QCOMPARE(rig.text("lbl_Note_Name"), QStringLiteral("C4"));
    QCOMPARE(rig.text("lbl_Velo_Value"), QStringLiteral("100"));
    rig.receive(0x003C93);
    QVERIFY(!rig.window->keys().lit(60));
    QCOMPARE(rig.painted(60), QColor(255, 255, 255));
    // A note-off ends its note whatever its release velocity.
    rig.receive(0x643C93);
    rig.receive(0x403C83);
    QVERIFY(!rig.window->keys().lit(60));

    rig.click(QStringLiteral("opt_MidiIn_To_KeyboardMode_2"));
    rig.click(QStringLiteral("opt_Channel_0"));
    rig.receive(0x643C93);
    QCOMPARE(rig.window->keys().litCount(), 0);
    rig.receive(0x643C90);
    QVERIFY(rig.window->keys().lit(60));
    rig.click(QStringLiteral("opt_MidiIn_To_KeyboardMode_0"));  // a mode change clears the keys
    QCOMPARE(rig.window->keys().litCount(), 0);
    rig.receive(0x643C90);
    QCOMPARE(rig.window->keys().litCount(), 0);
    QCOMPARE(rig.sent(), Sent{});
  }

  void eachColourOptionLightsKeysInItsColour() {
    KeyboardRig rig;
    const QColor expected[] = {QColor(156, 56, 56), QColor(56, 156, 56), QColor(56, 56, 156)};
    for (int color = 0; color < 3; ++color) {
      rig.click(QStringLiteral("opt_KeyColor_%1").arg(color));
      rig.receive(0x644090 + static_cast<std::uint32_t>(color) * 0x100);  // keys 64, 65, 66
      QCOMPARE(rig.painted(64 + color), expected[color]);
    }
    QCOMPARE(rig.painted(64), expected[0]);  // lit keys keep their colour
    QCOMPARE(rig.painted(66 - 4), QColor(255, 255, 255));
    QCOMPARE(rig.painted(61), QColor(0, 0, 0));
  }

  void manyIncomingNotesPaintOnceAndEndDark() {
    KeyboardRig rig;
    const int framesBefore = rig.picture()->framesPainted();
    for (int i = 0; i < 2000; ++i) {
      const std::uint32_t note = static_cast<std::uint32_t>(i % 128) << 8;
      rig.receive(0x400090 | note);
      rig.receive(0x000080 | note);
    }
    QVERIFY(rig.picture()->frameDue());
    QCOMPARE(rig.picture()->framesPainted(), framesBefore);
    QTRY_VERIFY(!rig.picture()->frameDue());
    QCOMPARE(rig.picture()->framesPainted(), framesBefore + 1);
    QCOMPARE(rig.window->keys().litCount(), 0);
  }

  void anOverflowingInputQueueReleasesEveryKey() {
    KeyboardRig rig;
    // The window thread is busy: the queue fills and the later messages, note-offs among them,
    // are lost.
    for (int i = 0; i < 5000; ++i) rig.service.receive(0, 0x400090 | (static_cast<std::uint32_t>(i % 128) << 8));
    for (int note = 0; note < 128; ++note) rig.service.receive(0, 0x000080 | (static_cast<std::uint32_t>(note) << 8));
    QVERIFY(rig.midi.midiInOverflows() > 0);
    rig.midi.deliverMidiIn();
    QCOMPARE(rig.window->keys().litCount(), 0);
    // What arrives after the loss is shown again.
    rig.receive(0x403090);
    QCOMPARE(rig.window->keys().litCount(), 1);
  }

  void theFreeSendClampsWhileTyping() {
    KeyboardRig rig;
    auto* pc = rig.find<QLineEdit>(QStringLiteral("txt_PC"));
    pc->selectAll();
    QTest::keyClicks(pc, QStringLiteral("200"));
    QCOMPARE(pc->text(), QStringLiteral("127"));
    auto* cc0 = rig.find<QLineEdit>(QStringLiteral("txt_CC0"));
    cc0->selectAll();
    QTest::keyClicks(cc0, QStringLiteral("-x12"));  // only digits are taken
    QCOMPARE(cc0->text(), QStringLiteral("12"));
    rig.find<QLineEdit>(QStringLiteral("txt_CC32"))->clear();
    rig.click(QStringLiteral("cmd_Send"));
    QCOMPARE(rig.sent(), (Sent{"B3 00 0C", "B3 20 00", "C3 7F"}));
  }

  void commandsSendTheirBytesOnlyWhileTheOutputIsOpen() {
    KeyboardRig rig;
    rig.click(QStringLiteral("chk_Part_ON_19"));  // UP2 on
    rig.click(QStringLiteral("cmd_Arranger_7"));  // In-Adv
    rig.click(QStringLiteral("cmd_Start"));
    rig.receive(0x643C93);
    rig.click(QStringLiteral("cmd_Stop"));
    QCOMPARE(rig.window->keys().litCount(), 0);
    rig.click(QStringLiteral("cmd_AllNotesOff"));
    QCOMPARE(rig.sent(), (Sent{"BC 63 4F", "BC 62 13", "BC 06 7F", "BC 65 7F", "BC 64 7F", "C9 41", "FA", "FC",
                               "B3 78 00"}));
    QVERIFY(rig.find<QLabel>(QStringLiteral("fra_PartStatus_lbl_MidiOut_IsOff"))->isHidden());

    rig.midi.CloseMidiOut();
    rig.midi.CloseMidiIn();
    rig.window->Form_Activate();
    for (const char* name : {"fra_PartStatus_lbl_MidiOut_IsOff", "fra_Arranger_lbl_MidiOut_IsOff"}) {
      QVERIFY(rig.find<QLabel>(QString::fromLatin1(name))->isVisible());
      QCOMPARE(rig.find<QLabel>(QString::fromLatin1(name))->text(), QStringLiteral("(Midi Out = OFF) "));
    }
    QVERIFY(!rig.find<QGroupBox>(QStringLiteral("fra_PartStatus"))->isEnabled());
    QVERIFY(!rig.find<QGroupBox>(QStringLiteral("fra_Arranger"))->isEnabled());
    QVERIFY(!rig.find<QGroupBox>(QStringLiteral("fra_MidiIn_To_KeyboardMode"))->isEnabled());
    QVERIFY(!rig.find<QCheckBox>(QStringLiteral("chk_Keyboard_To_MidiOut"))->isEnabled());
    rig.click(QStringLiteral("cmd_AllNotesOff"));
    rig.click(QStringLiteral("cmd_Send"));
    QTest::mouseClick(rig.picture(), Qt::LeftButton, {}, rig.picture()->keyPoint(60, 0));
    QCOMPARE(rig.sent(), Sent{});
    QCOMPARE(rig.dialogs.shown.size(), std::size_t{0});
  }

  void theRomStyleListFiltersCountsAndSendsOnTheStyleChannel() {
    KeyboardRig rig;
    PagedGridView* grid = rig.find<PagedGridView>(QStringLiteral("Grid_ROMStyle"));
    QCOMPARE(grid->model()->rowCount(), 128);
    QCOMPARE(grid->model()->columnCount(), 3);
    auto* count = rig.find<QLabel>(QStringLiteral("lbl_IDCnt"));
    QCOMPARE(count->toolTip(), QStringLiteral("128 of 128"));
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    auto* numberBox = rig.find<FilterBox>(QStringLiteral("txt_ROMStyleFilter_1"));
    QTest::keyClicks(numberBox, QStringLiteral("b"));
    QCOMPARE(count->text(), QStringLiteral("64"));
    QCOMPARE(count->toolTip(), QStringLiteral("64 of 128"));
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("B11"));
    QCOMPARE(rig.sent(), Sent{});  // filtering sends nothing

    // A click on a row sends its bank and program on the style channel (10), not the keyboard's.
    grid->scrollToTopRow(0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 2)).center());
    QCOMPARE(rig.window->romStyles()->selectedStyle(), 66);
    QCOMPARE(rig.sent(), (Sent{"B9 00 01", "B9 20 00", "C9 02"}));

    // Every refill that finds the style selects it again, and so sends it again.
    const Sent style66{"B9 00 01", "B9 20 00", "C9 02"};
    const auto times = [&style66](int count) {
      Sent all;
      for (int i = 0; i < count; ++i) all.insert(all.end(), style66.begin(), style66.end());
      return all;
    };
    auto* nameBox = rig.find<FilterBox>(QStringLiteral("txt_ROMStyleFilter_2"));
    QTest::keyClicks(nameBox, QStringLiteral("boss"));
    QCOMPARE(count->text(), QStringLiteral("32"));
    QTest::keyClicks(numberBox, QStringLiteral("1"));
    QCOMPARE(count->text(), QStringLiteral("4"));
    QVERIFY(grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);  // fewer than a page: no bar
    QCOMPARE(grid->height(), 4 * grid->rowHeight() + 2 * grid->frameWidth());
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid->selectionModel()->selectedRows().front().data().toString(), QStringLiteral("66"));
    QTest::mouseClick(rig.find<QAbstractButton>(QStringLiteral("cmd_ClearFilter")), Qt::LeftButton);
    QCOMPARE(numberBox->text(), QString());
    QCOMPARE(nameBox->text(), QString());
    QCOMPARE(count->text(), QStringLiteral("128"));
    QCOMPARE(grid->selectionModel()->selectedRows().front().data().toString(), QStringLiteral("66"));
    QCOMPARE(grid->verticalScrollBar()->value(), 56);  // the page that holds it
    QCOMPARE(rig.sent(), times(6));  // four letters, one digit, Clear Filter

    // A header press sorts; a second one turns the order round.
    auto* indexHeader = rig.find<QAbstractButton>(QStringLiteral("cmd_ROMStyleHeader_0"));
    QTest::mouseClick(indexHeader, Qt::LeftButton);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("127"));
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // two presses, not a double click
    QTest::mouseClick(indexHeader, Qt::LeftButton);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("0"));
    QCOMPARE(rig.sent(), times(2));

    // A filter that hides the style selects nothing and shows its first match; a list filtered
    // empty forgets the style, so that the full list afterwards selects and sends nothing.
    QTest::keyClicks(numberBox, QStringLiteral("a"));
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 0);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
    QCOMPARE(rig.window->romStyles()->selectedStyle(), 66);
    QTest::keyClicks(nameBox, QStringLiteral("zz"));
    QCOMPARE(count->text(), QStringLiteral("0"));
    QCOMPARE(rig.window->romStyles()->selectedStyle(), -1);
    QTest::mouseClick(rig.find<QAbstractButton>(QStringLiteral("cmd_ClearFilter")), Qt::LeftButton);
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 0);
    QCOMPARE(rig.sent(), Sent{});

    // With the output closed a selection is remembered but nothing goes out.
    rig.midi.CloseMidiOut();
    grid->selectRow(66);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(rig.window->romStyles()->selectedStyle(), 67);
    QCOMPARE(rig.sent(), Sent{});
  }

  void storedSettingsCheckTheirOptions() {
    KeyboardRig rig({MidiInMode::Mono, false, 9, 24, KeyColor::Blue});
    QVERIFY(rig.find<QRadioButton>(QStringLiteral("opt_MidiIn_To_KeyboardMode_2"))->isChecked());
    QVERIFY(rig.find<QRadioButton>(QStringLiteral("opt_Channel_9"))->isChecked());
    QVERIFY(rig.find<QRadioButton>(QStringLiteral("opt_WhiteKeyWidth_24"))->isChecked());
    QVERIFY(rig.find<QRadioButton>(QStringLiteral("opt_KeyColor_2"))->isChecked());
    QVERIFY(!rig.find<QCheckBox>(QStringLiteral("chk_Keyboard_To_MidiOut"))->isChecked());
    QCOMPARE(rig.picture()->keyRect(12).left(), 7 * 24);
    rig.click(QStringLiteral("opt_KeyColor_0"));
    rig.click(QStringLiteral("opt_Channel_2"));
    const KeyboardSettings kept = rig.window->settings();
    QCOMPARE(kept.keyColor, KeyColor::Red);
    QCOMPARE(kept.curChannel, 2);
    QCOMPARE(kept.whiteKeyPixels, 24);
    // Every option has a name a screen reader can read.
    for (QAbstractButton* button : rig.window->findChildren<QAbstractButton*>()) {
      if (button->objectName().isEmpty() || button->objectName() == QLatin1String("Dummy")) continue;
      QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    }
    QCOMPARE(rig.find<QRadioButton>(QStringLiteral("opt_KeyColor_1"))->accessibleName(),
             QStringLiteral("Keys Velocity Color = Green"));
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FrmKeyboardTest)
#include "frm_keyboard_test.moc"
