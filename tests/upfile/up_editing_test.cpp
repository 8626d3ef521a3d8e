// SPDX-License-Identifier: GPL-3.0-or-later
// Editing UPs in the UP file window through its controls and the real value pop-ups: cell
// double-clicks, the edit panel, the Space key, the column selectors.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLayout>
#include <QPushButton>

#include <algorithm>
#include <functional>

#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "popups/value_popup.h"
#include "grid/grid_header_button.h"
#include "support/modal_answer.h"
#include "upfile/window_fixture.h"

namespace tarnwick {

using testing::WindowFixture;
using Lines = std::vector<std::string>;

namespace {

using PopupAnswer = testing::ModalAnswer<ValuePopup>;

// `answer`, after keeping the text the pop-up opened with in `startText`.
std::function<void(ValuePopup&)> KeepingStartText(QString& startText, std::function<void(ValuePopup&)> answer) {
  return [&startText, answer = std::move(answer)](ValuePopup& popup) {
    startText = popup.editor()->text();
    answer(popup);
  };
}

void Type(ValuePopup& popup, const QString& text) {
  popup.editor()->selectAll();
  QTest::keyClick(popup.editor(), Qt::Key_Backspace);
  QTest::keyClicks(popup.editor(), text);
}

std::function<void(ValuePopup&)> TypeAndPress(const QString& text, Qt::Key key) {
  return [text, key](ValuePopup& popup) {
    Type(popup, text);
    QTest::keyClick(popup.editor(), key);
  };
}

void DoubleClick(QWidget* widget) {
  QTest::mouseDClick(widget, Qt::LeftButton);
  QCoreApplication::processEvents();
}

std::string Name(const UPRecord& up) { return GetUPText8(up, kUPNameOffset); }

// Whether the whole of the pop-up's text is in sight: with the caret behind the last character,
// the first one starts inside the box.
bool TextInSight(const ValuePopup& popup) {
  QLineEdit* editor = popup.editor();
  editor->end(false);
  const int caret = editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  return caret - editor->fontMetrics().horizontalAdvance(editor->text()) >= 0 && caret < editor->width();
}

QLineEdit* PanelBox(const WindowFixture& fixture, const char* name) {
  return fixture.window->findChild<QLineEdit*>(QString::fromLatin1(name));
}

}  // namespace

class UPEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void gridCellsEditNameSongAndTempoThroughThePopUps() {
    WindowFixture fixture(5, 3);
    QString startText;
    PopupAnswer rename(KeepingStartText(startText, TypeAndPress(QStringLiteral("Lead"), Qt::Key_Return)));
    fixture.doubleClickCell(0, 3, kColName);
    QCOMPARE(rename.opened(), QStringLiteral("frmNameEditor"));
    QCOMPARE(startText, QStringLiteral("UP3"));
    QCOMPARE(Name(fixture.file(0).up(3)), std::string("Lead    "));
    QCOMPARE(fixture.grid(0)->model()->index(3, kColName).data().toString(), QStringLiteral("Lead"));
    QVERIFY(fixture.state.history[0].Modified());
    QVERIFY(fixture.window->caption().startsWith(QStringLiteral("file0.ups*")));

    // Escape after a change, and Enter without one, write nothing and mark nothing.
    const UPFile before = fixture.file(1);
    PopupAnswer escaped(TypeAndPress(QStringLiteral("Other"), Qt::Key_Escape));
    fixture.doubleClickCell(1, 1, kColName);
    PopupAnswer unchanged([](ValuePopup& popup) { QTest::keyClick(popup.editor(), Qt::Key_Return); });
    fixture.doubleClickCell(1, 1, kColTempo);
    QCOMPARE(unchanged.opened(), QStringLiteral("frmEditorNum"));
    QCOMPARE(fixture.file(1).records, before.records);
    QVERIFY(!fixture.state.history[1].Modified());

    PopupAnswer tempo(TypeAndPress(QStringLiteral("250"), Qt::Key_Return));
    fixture.doubleClickCell(1, 2, kColTempo);
    QCOMPARE(GetUPTempo(fixture.file(1).up(2)), std::uint8_t{250});

    PopupAnswer song(KeepingStartText(startText, TypeAndPress(QStringLiteral("Bolero"), Qt::Key_Return)));
    fixture.doubleClickCell(1, 0, kColSong);
    QVERIFY(song.met());
    QCOMPARE(startText, QString());  // "????????" is no song
    QCOMPARE(GetUPSongName(fixture.file(1).up(0)), std::string("Bolero  "));
    QVERIFY(fixture.state.history[1].Modified());
  }

  // A save keeps the history: undo reaches back past it and brings the unsaved mark back.
  void undoReachesBackPastASave() {
    WindowFixture fixture(5, 3);
    PopupAnswer rename(TypeAndPress(QStringLiteral("Lead"), Qt::Key_Return));
    fixture.doubleClickCell(0, 3, kColName);
    QCOMPARE(Name(fixture.file(0).up(3)), std::string("Lead    "));
    fixture.press("cmd_FileSave", 0);
    QCOMPARE(Name(fixture.onDisk("file0.ups").up(3)), std::string("Lead    "));
    QVERIFY(fixture.window->caption().startsWith(QStringLiteral("file0.ups |")));

    fixture.window->activateWindow();  // as it is again once the pop-up has closed
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    QTest::keyClick(fixture.grid(0), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Name(fixture.file(0).up(3)), std::string("UP3     "));
    QVERIFY(fixture.window->caption().startsWith(QStringLiteral("file0.ups* |")));
    QTest::keyClick(fixture.grid(0), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Name(fixture.file(0).up(3)), std::string("Lead    "));
    QVERIFY(fixture.window->caption().startsWith(QStringLiteral("file0.ups |")));
  }

  void styleNamesAreEditedOnlyForStylesOnDisk() {
    WindowFixture fixture(3, 1);
    fixture.file(0).up(1)[field::StyleNumber.offset] = 128;  // "D88"
    fixture.window->Refresh_Grid_frmUPFile_UP(0);
    PopupAnswer internal(TypeAndPress(QStringLiteral("Swing"), Qt::Key_Return));
    fixture.doubleClickCell(0, 0, kColStyle);
    QCOMPARE(internal.opened(), QString());
    PopupAnswer onDisk(TypeAndPress(QStringLiteral("Swing"), Qt::Key_Return));
    fixture.doubleClickCell(0, 1, kColStyle);
    QCOMPARE(onDisk.opened(), QStringLiteral("frmNameEditor"));
    QCOMPARE(GetUPText8(fixture.file(0).up(1), kStyleNameOffset), std::string("Swing   "));
    QCOMPARE(GetUPText8(fixture.file(0).up(0), kStyleNameOffset), std::string("Style   "));

    fixture.press("cmd_ExpandShrink_EditUP", 0);
    auto* panelStyle = fixture.window->findChild<QLineEdit*>(QStringLiteral("txt_fraUPEdit_Style"));
    PopupAnswer panelOnDisk(TypeAndPress(QStringLiteral("Rumba"), Qt::Key_Return));
    DoubleClick(panelStyle);
    QCOMPARE(panelOnDisk.opened(), QStringLiteral("frmEditorText8"));
    QCOMPARE(GetUPText8(fixture.file(0).up(1), kStyleNameOffset), std::string("Rumba   "));
    fixture.selectRows(0, 2, 2);
    PopupAnswer panelInternal(TypeAndPress(QStringLiteral("Rumba"), Qt::Key_Return));
    DoubleClick(panelStyle);
    QCOMPARE(panelInternal.opened(), QString());
  }

  void theEditPanelFollowsTheSelectionAndEditsItsFields() {
    WindowFixture fixture(6, 4);
    fixture.selectRows(1, 2, 2);
    fixture.doubleClickCell(1, 2, kColID);
    auto* panel = fixture.window->findChild<QWidget*>(QStringLiteral("fraUPEdit"));
    ImageButton* toggle = fixture.find("cmd_ExpandShrink_EditUP", 1);
    QVERIFY(panel->isVisible());
    QVERIFY(!fixture.find<QWidget>("fraUPFile", 0)->isVisible());
    QVERIFY(!fixture.find("cmd_FileNew", 1)->isVisible() && !fixture.find("cmd_FileOpen", 1)->isVisible());
    QVERIFY(!fixture.find("cmd_CopyMenuControl", 1)->isVisible());
    QCOMPARE(toggle->property("tag").toString(), QStringLiteral("1"));
    QCOMPARE(toggle->toolTip(), QStringLiteral("Close UP Editing"));
    QVERIFY(panel->geometry().right() < fixture.find<QWidget>("fraUPFile", 1)->geometry().left());

    const auto box = [&fixture](const char* name) {
      return fixture.window->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    QCOMPARE(box("txt_fraUPEdit_ID")->text(), QStringLiteral("2"));
    QCOMPARE(box("txt_fraUPEdit_UP")->text(), QStringLiteral("A13"));
    QCOMPARE(box("txt_fraUPEdit_Name")->text(), QStringLiteral("UP2     "));
    QCOMPARE(box("txt_fraUPEdit_Tempo")->text(), QStringLiteral("22"));
    fixture.selectRows(1, 3, 3);
    QCOMPARE(box("txt_fraUPEdit_ID")->text(), QStringLiteral("3"));

    auto* parts = fixture.window->findChild<QTableView*>(QStringLiteral("Grid_fraUPEdit_PartTone"));
    auto* tones = fixture.window->findChild<QTableView*>(QStringLiteral("Grid_fraUPEdit_Tone16"));
    QAbstractItemModelTester partTester(parts->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester toneTester(tones->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(parts->model()->rowCount(), 16);
    QCOMPARE(parts->model()->columnCount(), 13);
    QCOMPARE(tones->model()->rowCount(), 8);
    QCOMPARE(tones->model()->columnCount(), 17);
    QCOMPARE(parts->model()->index(10, 0).data().toString() + parts->model()->index(10, 1).data().toString(),
             QStringLiteral("1AC1"));

    PopupAnswer tempo(TypeAndPress(QStringLiteral("200"), Qt::Key_Return));
    DoubleClick(fixture.window->findChild<QLabel*>(QStringLiteral("lbl_fraUPEdit_Tempo")));
    QCOMPARE(tempo.opened(), QStringLiteral("frmEditorNum"));
    QCOMPARE(GetUPTempo(fixture.file(1).up(3)), std::uint8_t{200});
    QCOMPARE(box("txt_fraUPEdit_Tempo")->text(), QStringLiteral("200"));
    QCOMPARE(box("txt_fraUPEdit_ID")->text(), QStringLiteral("3"));

    // A grid left empty takes the panel with it until it has rows again.
    fixture.selectRows(1, 0, 3);
    fixture.press("cmd_Grid_frmUPFile_UP_Delete", 1);
    QVERIFY(!panel->isVisible());
    QCOMPARE(toggle->property("tag").toString(), QStringLiteral("1"));
    fixture.file(1) = testing::SampleFile(2);
    fixture.window->Refresh_Grid_frmUPFile_UP(1);
    QVERIFY(panel->isVisible());
    QCOMPARE(box("txt_fraUPEdit_Name")->text(), QStringLiteral("UP0     "));

    QTest::mouseClick(fixture.window->findChild<QPushButton*>(QStringLiteral("cmd_fraUPEditClose")), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(fixture.find<QWidget>("fraUPFile", 0)->isVisible());
    QVERIFY(fixture.find("cmd_FileNew", 1)->isVisible() && fixture.find("cmd_CopyMenuControl", 1)->isVisible());
    QCOMPARE(toggle->toolTip(), QStringLiteral("Expand UP for Editing"));
    QCOMPARE(toggle->pictureName(), QStringLiteral("EDIT_UP_EXPAND"));
  }

  void doubleClickOnColumn1AndSpaceSelectTheUPOnTheInstrument() {
    WindowFixture fixture(193, 2);
    LoopbackMidiService service;
    testing::RecordingDialogs midiDialogs;
    MidiApi midi(service, fixture.state.midi, midiDialogs);
    QCOMPARE(midi.OpenMidiOut(0), 0);
    fixture.window->setUPSelectSender([&midi](int id) { midi.SendUPSelect(id); });
    fixture.doubleClickCell(0, 191, kColUserProgram);
    QCOMPARE(service.sentText(), Lines{});  // MIDI Out is closed for the window
    service.clearSent();
    fixture.midiOutOpen = true;
    fixture.doubleClickCell(0, 191, kColUserProgram);
    QCOMPARE(service.sentText(), (Lines{"BC 00 79", "BC 20 00", "CC 3F"}));
    service.clearSent();
    fixture.doubleClickCell(0, 192, kColUserProgram);
    QCOMPARE(service.sentText(), Lines{});

    fixture.selectRows(1, 1, 1);
    fixture.press("cmd_HomeEnd", 1);  // parks the focus
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(service.sentText(), (Lines{"BC 00 78", "BC 20 00", "CC 01"}));
    service.clearSent();
    // A button reached with Tab takes its own Space: Home/End goes back home, nothing is sent.
    ImageButton* homeEnd = fixture.find("cmd_HomeEnd", 1);
    homeEnd->setFocus(Qt::TabFocusReason);
    QTest::keyClick(homeEnd, Qt::Key_Space);
    QCOMPARE(homeEnd->property("tag").toString(), QStringLiteral("TO_END"));
    QCOMPARE(service.sentText(), Lines{});
    QLineEdit* filter = fixture.filter(1, 2);
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Space);
    QCOMPARE(service.sentText(), Lines{});
  }

  // The cell's own face, widened where the text needs it: nothing typed is hidden.
  void popUpsShowTheirWholeText() {
    WindowFixture fixture(3, 1);
    SetUPTempo(fixture.file(0).up(1), 250);
    SetUPText8(fixture.file(0).up(2), kUPNameOffset, "WWWWWWWW");
    fixture.window->Refresh_Grid_frmUPFile_UP(0);
    bool tempoInSight = false;
    QString startText;
    PopupAnswer tempo(KeepingStartText(startText, [&tempoInSight](ValuePopup& popup) {
      tempoInSight = TextInSight(popup);
      QTest::keyClick(popup.editor(), Qt::Key_Escape);
    }));
    fixture.doubleClickCell(0, 1, kColTempo);
    QCOMPARE(startText, QStringLiteral("250"));
    QVERIFY(tempoInSight);
    bool nameInSight = false;
    bool grownInSight = false;
    PopupAnswer name(KeepingStartText(startText, [&](ValuePopup& popup) {
      nameInSight = TextInSight(popup);
      Type(popup, QStringLiteral("W"));
      QTest::keyClicks(popup.editor(), QStringLiteral("WWWWWWW"));
      grownInSight = TextInSight(popup);
      QTest::keyClick(popup.editor(), Qt::Key_Escape);
    }));
    fixture.doubleClickCell(0, 2, kColName);
    QCOMPARE(startText, QStringLiteral("WWWWWWWW"));
    QVERIFY(nameInSight);
    QVERIFY(grownInSight);
  }

  // NUL and control bytes have no face: the pop-up and the panel show them as blanks, and only
  // an accepted change writes the name.
  void oddStoredBytesShowAsBlanksAndStayUntilAnEdit() {
    WindowFixture fixture(2, 1);
    const std::string odd("AB\0C\x01\0\0\0", 8);
    std::copy(odd.begin(), odd.end(), fixture.file(0).up(1).begin() + kUPNameOffset);
    fixture.window->Refresh_Grid_frmUPFile_UP(0);
    bool refused = false;
    QString startText;
    PopupAnswer unchanged(KeepingStartText(startText, [&refused](ValuePopup& popup) {
      QTest::keyClick(popup.editor(), Qt::Key_Return);
      refused = popup.isVisible();
      if (refused) QTest::keyClick(popup.editor(), Qt::Key_Escape);
    }));
    fixture.doubleClickCell(0, 1, kColName);
    QCOMPARE(startText, QStringLiteral("AB C"));
    QVERIFY(!refused);
    QCOMPARE(Name(fixture.file(0).up(1)), odd);
    QVERIFY(!fixture.state.history[0].Modified());
    fixture.press("cmd_ExpandShrink_EditUP", 0);
    QCOMPARE(PanelBox(fixture, "txt_fraUPEdit_Name")->text(), QStringLiteral("AB C    "));
    PopupAnswer edited(TypeAndPress(QStringLiteral("AB CD"), Qt::Key_Return));
    DoubleClick(PanelBox(fixture, "txt_fraUPEdit_Name"));
    QCOMPARE(Name(fixture.file(0).up(1)), std::string("AB CD   "));
  }

  // Opening the panel makes its file the active one: the keys move its grid, Undo takes back its
  // changes, and the file hidden under the panel is left alone. An empty grid has no panel.
  void thePanelAndItsKeysActOnTheFileItShows() {
    WindowFixture fixture(5, 4);
    QVERIFY(fixture.window->ApplyEdit(TempoEdit(fixture.state.up, 0, 0, 99)));
    QVERIFY(fixture.window->ApplyEdit(TempoEdit(fixture.state.up, 1, 0, 99)));
    // File 1 was changed last, as File 1 is the last refreshed at start-up.
    fixture.press("cmd_ExpandShrink_EditUP", 0);
    QCOMPARE(fixture.window->activeFile(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(PanelBox(fixture, "txt_fraUPEdit_ID")->text(), QStringLiteral("1"));
    QCOMPARE(fixture.selectedID(1), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(GetUPTempo(fixture.file(0).up(0)), std::uint8_t{20});
    QCOMPARE(GetUPTempo(fixture.file(1).up(0)), std::uint8_t{99});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!fixture.window->editPanelOpen());

    QLineEdit* filter = fixture.filter(1, 2);
    filter->setFocus();
    QTest::keyClicks(filter, QStringLiteral("none"));
    QVERIFY(!fixture.find("cmd_ExpandShrink_EditUP", 1)->isVisible());
    fixture.press("cmd_GridHeader", 100);  // parks the focus; the empty File 1 is the active one
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!fixture.window->editPanelOpen());
    QVERIFY(fixture.find<QWidget>("fraUPFile", 0)->isVisible());
  }

  // F2 renames the active UP, Enter on a Tempo cell sets its tempo, Ctrl+E opens the panel, and
  // Tab reaches the panel's boxes, where Enter opens their pop-ups.
  void theKeyboardEditsAsTheMouseDoes() {
    WindowFixture fixture(4, 2);
    fixture.selectRows(0, 2, 2);
    PopupAnswer rename(TypeAndPress(QStringLiteral("Keys"), Qt::Key_Return));
    QTest::keyClick(fixture.grid(0), Qt::Key_F2);
    QCOMPARE(rename.opened(), QStringLiteral("frmNameEditor"));
    QCOMPARE(Name(fixture.file(0).up(2)), std::string("Keys    "));

    QTableView* view = fixture.grid(0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->model()->index(1, kColTempo)).center());
    PopupAnswer tempo(TypeAndPress(QStringLiteral("140"), Qt::Key_Return));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(tempo.opened(), QStringLiteral("frmEditorNum"));
    QCOMPARE(GetUPTempo(fixture.file(0).up(1)), std::uint8_t{140});

    QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(fixture.window->editPanelOpen());
    fixture.window->activateWindow();  // back from the pop-ups
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    view->setFocus(Qt::MouseFocusReason);
    QWidget* focused = view;
    for (int step = 0; step < 80 && focused != nullptr && focused != PanelBox(fixture, "txt_fraUPEdit_Name"); ++step) {
      QTest::keyClick(focused, Qt::Key_Tab);
      focused = QApplication::focusWidget();
    }
    QCOMPARE(focused, PanelBox(fixture, "txt_fraUPEdit_Name"));
    PopupAnswer panelName(TypeAndPress(QStringLiteral("Organ"), Qt::Key_Return));
    QTest::keyClick(focused, Qt::Key_Return);
    QCOMPARE(panelName.opened(), QStringLiteral("frmEditorText8"));
    QCOMPARE(Name(fixture.file(0).up(1)), std::string("Organ   "));
  }

  // The panel takes the place of the other file's half: in the program's view (15300 twips wide)
  // it fits there with nothing overlapping. (At 144 dpi the program scales as a whole.)
  void thePanelFitsTheOtherHalf() {
    WindowFixture fixture(3, 3);
    fixture.window->layout()->setSizeConstraint(QLayout::SetNoConstraint);  // the program sets the view's size
    fixture.window->setMinimumSize(0, 0);
    fixture.window->resize(1020, 700);
    fixture.press("cmd_ExpandShrink_EditUP", 0);
    auto* panel = fixture.window->findChild<QWidget*>(QStringLiteral("fraUPEdit"));
    QVERIFY2(panel->minimumSizeHint().width() <= panel->width(),
             qPrintable(QStringLiteral("%1 px in %2").arg(panel->minimumSizeHint().width()).arg(panel->width())));
    QList<QWidget*> parts;
    for (QWidget* child : panel->findChildren<QWidget*>()) {
      if (qobject_cast<QLabel*>(child) || qobject_cast<QLineEdit*>(child) || qobject_cast<QPushButton*>(child) ||
          qobject_cast<QTableView*>(child))
        parts << child;
    }
    for (QWidget* part : parts) {
      QVERIFY2(panel->contentsRect().contains(QRect(part->mapTo(panel, QPoint(0, 0)), part->size())),
               qPrintable(part->objectName()));
      for (QWidget* other : parts) {
        if (other == part || other->parentWidget() != part->parentWidget()) continue;
        QVERIFY2(!part->geometry().intersects(other->geometry()),
                 qPrintable(part->objectName() + QStringLiteral(" / ") + other->objectName()));
      }
    }
  }

  void selectorsWrapAndKeepTheSort() {
    WindowFixture fixture(5, 2);
    for (int id = 0; id < 5; ++id) {
      fixture.file(0).up(id)[field::Pad1Button.offset] = static_cast<std::uint8_t>(4 - id);
      fixture.file(0).up(id)[field::Pad2Button.offset] = static_cast<std::uint8_t>(id);
    }
    fixture.window->Refresh_Grid_frmUPFile_UP(0);
    fixture.press("cmd_Cycle_Tone", 1);
    QCOMPARE(fixture.find<QLabel>("lbl_Tone", 0)->text(), QStringLiteral("AC6 Tone"));
    fixture.press("cmd_Cycle_Tone", 2);
    QCOMPARE(fixture.find<QLabel>("lbl_Tone", 0)->text(), QStringLiteral("UP1 Tone"));
    fixture.press("cmd_Cycle_EFX", 101);
    QCOMPARE(fixture.window->columnSelectors(1).EFXCycle, 3);
    QCOMPARE(fixture.filter(1, kColEFX)->toolTip(), QStringLiteral("Delay Macro [Filter]"));

    fixture.press("cmd_GridHeader", kColPad);
    QCOMPARE(fixture.shownIDs(0), (std::vector<int>{4, 3, 2, 1, 0}));
    fixture.press("cmd_Cycle_Pad", 2);
    auto* header = fixture.window->findChild<GridHeaderButton*>(QStringLiteral("cmd_GridHeader_8"));
    QCOMPARE(fixture.window->gridState(0).SortCol, std::int16_t{kColPad});
    QCOMPARE(header->mark(), SortMark::Ascending);
    QCOMPARE(header->caption(), QStringLiteral("Pad2"));
    QCOMPARE(fixture.filter(0, kColPad)->toolTip(), QStringLiteral("Pad 2 Button [Filter]"));
    QCOMPARE(fixture.shownIDs(0), (std::vector<int>{0, 1, 2, 3, 4}));
    fixture.press("cmd_Cycle_Pad", 2);  // D-Beam
    fixture.press("cmd_Cycle_Pad", 2);  // wraps to Pad 1
    QCOMPARE(header->caption(), QStringLiteral("Pad1"));
    QCOMPARE(fixture.shownIDs(0), (std::vector<int>{4, 3, 2, 1, 0}));
  }
};
}  // namespace tarnwick

QTEST_MAIN(tarnwick::UPEditingTest)
#include "up_editing_test.moc"
