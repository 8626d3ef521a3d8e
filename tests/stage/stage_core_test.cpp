// SPDX-License-Identifier: GPL-3.0-or-later
// The Stage rules without a display: the set list file, finding entries again, stepping and the
// foot switch triggers.
#include <gtest/gtest.h>

#include "stage/entry_lookup.h"
#include "stage/set_list_json.h"
#include "stage/stage_stepping.h"
#include "stage/stage_trigger.h"
#include "stage_test_files.h"

namespace tarnwick {
namespace {

using Kind = IncomingMessage::Kind;

TEST(SetListFile, ReadsRelativeAndAbsolutePathsAndRefusesWhatBreaksARule) {
  const SetListRead read = ParseSetList(
      R"({"format": "tarnwick-set", "version": 1, "ups": "sub/Gig.UPS",
          "entries": [{"id": 12, "name": " Rock94 ", "note": "intro B"}, {"id": 0}]})", "/gigs");
  ASSERT_TRUE(read.ok) << read.message.toStdString();
  EXPECT_EQ(read.set.upsPath, QStringLiteral("/gigs/sub/Gig.UPS"));
  ASSERT_EQ(read.set.entries.size(), 2u);
  EXPECT_EQ(read.set.entries[0], (StageEntry{12, "Rock94", "intro B", EntryState::Found}));
  EXPECT_EQ(ParseSetList(SetListJson(read.set, "/other"), "/other").set.upsPath, read.set.upsPath);
  for (const char* bad : {"[1]", "{\"format\":\"other\",\"version\":1,\"entries\":[]}",
                          R"({"format":"tarnwick-set","version":2,"entries":[]})",
                          R"({"format":"tarnwick-set","version":1,"entries":[{"id":65535}]})",
                          R"({"format":"tarnwick-set","version":1,"entries":[{"id":1.5}]})",
                          R"({"format":"tarnwick-set","version":1,"entries":[{"id":1,"name":7}]})", "{\"format\":"}) {
    const SetListRead refused = ParseSetList(bad, "/x");
    EXPECT_FALSE(refused.ok) << bad;
    EXPECT_FALSE(refused.message.isEmpty()) << bad;
  }
}

TEST(EntryLookup, AnEntryFollowsItsNameOrIsMissing) {
  UPFile file;
  testing::FillNamedUPs(file, {"Intro", "Rock94", "Ballad", "Rock94"});
  std::vector<StageEntry> entries{{1, "Rock94", {}, EntryState::Found},
                                  {0, "Ballad", {}, EntryState::Found},
                                  {7, "Rock94", {}, EntryState::Found},
                                  {2, "Gone", {}, EntryState::Found}};
  ResolveEntries(entries, file);
  EXPECT_EQ(entries[0].state, EntryState::Found);
  EXPECT_EQ(entries[1].id, 2);
  EXPECT_EQ(entries[1].state, EntryState::Moved);
  EXPECT_EQ(entries[2].id, 1);  // the first UP of that name
  EXPECT_EQ(entries[3].state, EntryState::Missing);
  EXPECT_EQ(entries[3].id, 2);
}

TEST(Stepping, PassesOverMissingEntriesAndStaysAtEitherEnd) {
  const std::vector<StageEntry> entries{{0, "a", {}, EntryState::Missing},
                                        {1, "b", {}, EntryState::Found},
                                        {2, "c", {}, EntryState::Missing},
                                        {3, "d", {}, EntryState::Moved},
                                        {4, "e", {}, EntryState::Missing}};
  EXPECT_EQ(StepFrom(entries, 1, StepKind::Next).row, 3);
  EXPECT_EQ(StepFrom(entries, 3, StepKind::Previous).row, 1);
  EXPECT_EQ(StepFrom(entries, 3, StepKind::First).row, 1);
  EXPECT_EQ(StepFrom(entries, 1, StepKind::Last).row, 3);
  const StepResult pastEnd = StepFrom(entries, 3, StepKind::Next);
  EXPECT_TRUE(pastEnd.atEnd);
  EXPECT_EQ(pastEnd.row, 3);
  EXPECT_TRUE(StepFrom(entries, 1, StepKind::Previous).atEnd);
  EXPECT_EQ(StepFrom({}, -1, StepKind::Next).row, -1);
}

TEST(Triggers, PressesAreLearnedReleasesNeverAndTheTextRoundTrips) {
  const StageTrigger control = *LearnTrigger({Kind::Control, 0, 64, 127});
  const StageTrigger note = *LearnTrigger({Kind::Note, 3, 60, 100});
  const StageTrigger program = *LearnTrigger({Kind::Program, 0, 5, 0});
  EXPECT_EQ(TriggerText(control), QStringLiteral("B0 40"));
  EXPECT_EQ(TriggerText(note), QStringLiteral("93 3C"));
  EXPECT_EQ(TriggerText(program), QStringLiteral("C0"));
  for (const StageTrigger& trigger : {control, note, program}) EXPECT_EQ(ParseTrigger(TriggerText(trigger)), trigger);
  EXPECT_FALSE(LearnTrigger({Kind::Control, 0, 64, 63}));
  EXPECT_FALSE(LearnTrigger({Kind::Note, 3, 60, 0}));
  EXPECT_TRUE(IsTrigger(control, {Kind::Control, 0, 64, 64}));
  EXPECT_FALSE(IsTrigger(control, {Kind::Control, 1, 64, 127}));  // another channel
  EXPECT_FALSE(IsTrigger(control, {Kind::Control, 0, 64, 0}));
  EXPECT_TRUE(IsTrigger(program, {Kind::Program, 0, 99, 0}));
  EXPECT_FALSE(IsTrigger(note, {Kind::Note, 3, 61, 100}));
  for (const char* bad : {"B0", "80 40", "B0 80", "B0 40 7F", "XX 40", "B 40"}) EXPECT_FALSE(ParseTrigger(bad)) << bad;
  BounceGate gate;
  EXPECT_TRUE(gate.Pass(1000));
  EXPECT_FALSE(gate.Pass(1149));
  EXPECT_TRUE(gate.Pass(1150));
}

}  // namespace
}  // namespace tarnwick
