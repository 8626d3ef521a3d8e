// SPDX-License-Identifier: GPL-3.0-or-later
// The Stage view on a real MIDI path: a peer on the private JACK server presses the learned foot
// switch three times and must hear three UP selects, in the order of the set list.
#include <gtest/gtest.h>

#include <QApplication>

#include "state/app_state.h"
#include "jack_peers.h"
#include "midi/rtmidi_service.h"
#include "midi_test_support.h"
#include "stage/frm_stage.h"
#include "stage_test_files.h"
#include "support/needs.h"
#include "support/temp_folder.h"

namespace tarnwick {
namespace {

TEST(StageOverJack, ThreePedalPressesSelectThreeUPsInSetOrder) {
  TARNWICK_NEED(test::JackServerAnswers(), "no JACK server (see the test midi_jack_server_start)");
  test::MidiRig<RtMidiService> rig;
  const std::string listenPort = test::UniquePeerPort("stage-listen");
  const std::string pedalPort = test::UniquePeerPort("stage-pedal");
  test::JackPeer listener(test::JackPeer::Role::Listener, listenPort);
  test::JackPeer pedal(test::JackPeer::Role::Player, pedalPort);
  ASSERT_TRUE(listener.ready() && pedal.ready());
  ASSERT_EQ(rig.midi.OpenMidiOut(test::OutDeviceNamed(rig.service, listenPort)), 0);
  ASSERT_EQ(rig.midi.OpenMidiIn(test::InDeviceNamed(rig.service, pedalPort)), 0);

  testing::TempFolder folder;
  AppState state;
  state.up.files[0].path = folder.file("Gig.UPS");
  ASSERT_TRUE(testing::SaveNamedUPs(state.up.files[0], state.up.files[0].path, {"Intro", "Rock94", "Ballad", "Waltz"}));
  StageSettings settings;
  settings.next = *ParseTrigger(QStringLiteral("B0 40"));
  MidiApi& midi = rig.midi;
  frmStage stage(state, rig.dialogs, settings,
                 {[&midi] { return midi.hMidiOut() != 0; }, [&midi](int id) { return midi.SendUPSelect(id); }});
  std::int64_t clock = 0;
  stage.setClock([&clock] { return clock += 1000; });  // presses far apart: no bounce
  stage.addUPs(0, {3, 1, 2, 0});
  rig.midi.setStageReceiver(&stage);
  rig.midi.setActiveMenu(View::Stage);

  const std::vector<unsigned char> press{0xB0, 64, 127};
  const std::vector<unsigned char> release{0xB0, 64, 0};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(pedal.send(press));
    ASSERT_TRUE(pedal.send(release));
  }
  EXPECT_EQ(listener.heard(9), (test::Log{"BC 00 78", "BC 20 00", "CC 01", "BC 00 78", "BC 20 00", "CC 02",
                                                 "BC 00 78", "BC 20 00", "CC 00"}));
  rig.midi.setStageReceiver(nullptr);
  rig.midi.CloseMidiIn();
  rig.midi.CloseMidiOut();
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
