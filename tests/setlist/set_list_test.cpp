// SPDX-License-Identifier: GPL-3.0-or-later
// Set lists: the rows and their order, and the CSV and HTML texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "setlist/set_list.h"
#include "updata/up_record.h"

namespace tarnwick {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

UPFile FileOf(std::initializer_list<std::tuple<const char*, const char*, int, const char*>> ups) {
  UPFile file;
  SetUPCount(file, static_cast<int>(ups.size()));
  int id = 0;
  for (const auto& [name, style, tempo, song] : ups) {
    UPRecord& up = file.up(id++);
    SetUPText8(up, kUPNameOffset, name);
    SetUPText8(up, kStyleNameOffset, style);
    SetUPText8(up, kSongNameOffset, song);
    SetUPTempo(up, tempo);
  }
  return file;
}

std::vector<int> IDs(const std::vector<SetListEntry>& entries) {
  std::vector<int> ids;
  for (const SetListEntry& entry : entries) ids.push_back(entry.id);
  return ids;
}

TEST(SetListEntries, ShowTheGridTextsAndSortWithIDOrderForTies) {
  // "\xE9" is é in the file's code page; "????????" marks a UP without a song.
  const UPFile file = FileOf({{"Caf\xE9", "Bossa", 120, "????????"},
                              {"alpha", "8Beat", 96, "Autumn"},
                              {"Beta", "Waltz", 120, "Summer"},
                              {"ALPHA", "Swing", 96, ""}});
  std::vector<SetListEntry> entries = MakeSetListEntries(file);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "Café");
  EXPECT_EQ(entries[0].song, "");
  EXPECT_EQ(entries[0].up, "A11");
  EXPECT_EQ(entries[3].up, "A14");

  SortSetList(entries, SetListColumn::Tempo);
  EXPECT_THAT(IDs(entries), ElementsAre(1, 3, 0, 2));
  SortSetList(entries, SetListColumn::Name);  // without regard to case, ties by ID
  EXPECT_THAT(IDs(entries), ElementsAre(1, 3, 2, 0));
  SortSetList(entries, SetListColumn::ID);
  EXPECT_THAT(IDs(entries), ElementsAre(0, 1, 2, 3));

  EXPECT_EQ(SetListColumnByName("TEMPO"), SetListColumn::Tempo);
  EXPECT_EQ(SetListColumnByName("pad"), std::nullopt);
  EXPECT_THAT(IDs(MakeSetListEntries(file, {3, 0})), ElementsAre(3, 0));
}

TEST(SetListTexts, CsvQuotesWhereNeededAndHtmlEscapes) {
  const UPFile file = FileOf({{"A,B", "Say \"Hi\"", 100, "<&>"}});
  const SetList list{"My <Set>.UPS", "2026-12-07", MakeSetListEntries(file)};
  EXPECT_EQ(SetListCsv(list), "id,up,name,style,tempo,song\n0,A11,\"A,B\",\"Say \"\"Hi\"\"\",100,<&>\n");
  // Texts a spreadsheet would run as formulas show as text; the rest stay as they are.
  const UPFile formulas = FileOf({{"=1+1", "+Beat", 90, "-\"x\""}, {"@SUM", "a=b", 90, "x-1"}});
  EXPECT_EQ(SetListCsv({"F.UPS", "", MakeSetListEntries(formulas)}),
            "id,up,name,style,tempo,song\n0,A11,\"'=1+1\",\"'+Beat\",90,\"'-\"\"x\"\"\"\n"
            "1,A12,\"'@SUM\",a=b,90,x-1\n");
  const std::string html = SetListHtml(list);
  EXPECT_THAT(html, HasSubstr("<title>My &lt;Set&gt;.UPS</title>"));
  EXPECT_THAT(html, HasSubstr("<td>Say &quot;Hi&quot;</td><td class=\"n\">100</td><td>&lt;&amp;&gt;</td>"));
}

}  // namespace
}  // namespace tarnwick
