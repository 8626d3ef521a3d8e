// SPDX-License-Identifier: GPL-3.0-or-later
// "Follow Instrument": a UP select arriving from the instrument selects that UP's row in the grid
// last worked in, and only there, only when it is a shown row of a set, only while checked.
#include <QCheckBox>
#include <QDrag>
#include <QMimeData>

#include "midi/loopback_midi_service.h"
#include "midi/midi_api.h"
#include "midi/selection_messages.h"
#include "upfile/drop_rules.h"
#include "upfile/window_fixture.h"

namespace tarnwick {

using testing::WindowFixture;
using IDs = std::vector<int>;

class FollowInstrumentTest : public QObject {
  Q_OBJECT

  // A MIDI input open on the loopback service, handing UP selects to the fixture's window.
  struct Input {
    explicit Input(WindowFixture& fixture) : settings(fixture.state.midi), midi(service, settings, dialogs) {
      midi.setUPSelectReceiver(fixture.window.get());
      midi.setActiveMenu(View::UPFile);
      if (midi.OpenMidiIn(0) != 0) qFatal("the loopback input does not open");
    }
    // The instrument selects UP `id` on its basic channel, as the window would send it.
    void select(int id) {
      const BankProgram sent = *UPSelect(id);
      const std::uint8_t channel = settings.basicRx.zeroBased();
      service.receive(0, PackShortMessage(0xB0 | channel, 0, sent.msb));
      service.receive(0, PackShortMessage(0xB0 | channel, 32, sent.lsb));
      service.receive(0, PackShortMessage(0xC0 | channel, sent.program.zeroBased(), 0));
      midi.deliverMidiIn();
    }
    MidiSettings& settings;
    LoopbackMidiService service;
    testing::RecordingDialogs dialogs;
    MidiApi midi;
  };

  static bool RowInView(const WindowFixture& fixture, int f, int row) {
    const QTableView* view = fixture.grid(f);
    return view->viewport()->rect().contains(view->visualRect(view->model()->index(row, 2)).center());
  }

 private slots:
  void theBoxFollowsUPsAtTheEdgesOfBothBanks() {
    WindowFixture fixture(192, 3);
    Input input(fixture);
    auto* box = fixture.window->findChild<QCheckBox*>(QStringLiteral("chk_FollowInstrument"));
    QVERIFY(box != nullptr);
    QCOMPARE(box->accessibleName(), QStringLiteral("Follow Instrument"));
    fixture.selectRows(0, 3, 3);
    input.select(100);
    QCOMPARE(fixture.selectedID(0), 3);  // not checked: nothing follows

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(fixture.window->followInstrument());
    fixture.selectRows(0, 5, 9);
    for (const int id : {0, 63, 64, 191}) {
      input.select(id);
      QCOMPARE(fixture.selectedID(0), id);
      QCOMPARE(fixture.text("txt_Sel_Rows", 0), QStringLiteral("1"));
      QVERIFY2(RowInView(fixture, 0, id), qPrintable(QString::number(id)));
    }
  }

  void aFilteredUPOrALibraryStaysAsItIs() {
    WindowFixture fixture(192, 300);
    Input input(fixture);
    fixture.window->setFollowInstrument(true);
    QLineEdit* name = fixture.filter(0, 2);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("up19"));
    QCOMPARE(fixture.shownIDs(0), (IDs{19, 190, 191}));
    fixture.selectRows(0, 1, 1);
    input.select(64);
    QCOMPARE(fixture.selectedID(0), 190);
    input.select(191);
    QCOMPARE(fixture.selectedID(0), 191);

    // The library grid was worked in last: its rows are no UPs of the instrument.
    fixture.selectRows(1, 5, 5);
    input.select(19);
    QCOMPARE(fixture.selectedID(1), 5);
    QCOMPARE(fixture.selectedID(0), 191);
    QCOMPARE(fixture.window->activeFile(), 1);
  }

  // The start-up refreshes touch both grids last to first; until the player touches one, a set in
  // File 0 is followed, else one in File 1.
  void untilAGridIsTouchedTheFirstSetIsFollowed() {
    for (const int otherCount : {300, 192}) {
      WindowFixture fixture(192, otherCount);
      Input input(fixture);
      fixture.window->setFollowInstrument(true);
      input.select(50);
      QCOMPARE(fixture.selectedID(0), 50);
      QCOMPARE(fixture.selectedID(1), 0);
    }
    WindowFixture libraryFirst(300, 192);
    Input input(libraryFirst);
    libraryFirst.window->setFollowInstrument(true);
    input.select(70);
    QCOMPARE(libraryFirst.selectedID(1), 70);
  }

  // A press on the selection may become a drag: Follow waits until the button is up, and the drag
  // carries the rows selected when the button went down.
  void followWaitsWhileAButtonIsHeld() {
    WindowFixture fixture(192, 192);
    Input input(fixture);
    fixture.window->setFollowInstrument(true);
    fixture.selectRows(0, 5, 7);
    QTableView* view = fixture.grid(0);
    QWidget* port = view->viewport();
    const QPoint pressed = view->visualRect(view->model()->index(6, 2)).center();
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, pressed);
    input.select(100);
    QCOMPARE(fixture.selectedID(0), 7);
    QCOMPARE(fixture.text("txt_Sel_Rows", 0), QStringLiteral("3"));

    const QPoint away = pressed + QPoint(0, 3 * QApplication::startDragDistance());
    QMouseEvent move(QEvent::MouseMove, away, port->mapToGlobal(away), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(port, &move);  // the drag runs and ends here
    auto* drag = view->findChild<QDrag*>();
    QVERIFY(drag != nullptr);
    const std::optional<RowDrag> carried = DecodeRowDrag(drag->mimeData()->data(QString::fromLatin1(kRowDragMimeType)));
    QVERIFY(carried.has_value());
    QCOMPARE(carried->ids, (IDs{5, 6, 7}));
    QCOMPARE(fixture.selectedID(0), 100);  // the select that waited
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::FollowInstrumentTest)
#include "follow_test.moc"
