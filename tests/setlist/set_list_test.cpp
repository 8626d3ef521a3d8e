// SPDX-License-Identifier: GPL-3.0-or-later
// Set lists: the rows and their order, the CSV and HTML texts, the pages, and the PDF read back
// by a PDF reader of its own (poppler's pdftotext), so that the text is really text.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "setlist/pdf_document.h"
#include "setlist/set_list.h"
#include "setlist/set_list_pages.h"
#include "support/temp_folder.h"
#include "updata/up_record.h"
#include "support/needs.h"

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
  const std::string html = SetListHtml(list);
  EXPECT_THAT(html, HasSubstr("<title>My &lt;Set&gt;.UPS</title>"));
  EXPECT_THAT(html, HasSubstr("<td>Say &quot;Hi&quot;</td><td class=\"n\">100</td><td>&lt;&amp;&gt;</td>"));
}

TEST(SetListPages, FortyRowsAPageWithTheHeadingOnEveryPage) {
  SetList list{"Big.UPS", "2026-12-07", {}};
  EXPECT_EQ(LayOutSetList(list).pages.size(), 1u);  // an empty list still prints its heading
  for (int id = 0; id < 2 * kSetListRowsPerPage + 1; ++id) list.entries.push_back({id, 120, "", "N", "S", ""});
  const SetListLayout layout = LayOutSetList(list);
  ASSERT_EQ(layout.pages.size(), 3u);
  for (const SetListPage& page : layout.pages) {
    EXPECT_EQ(page.texts.front().text, "Big.UPS");
    for (const PageText& text : page.texts) {
      EXPECT_LE(text.baseline, kPaperLetter.height - 24.0) << text.text;  // inside Letter's margin
      EXPECT_LE(text.x, kPaperA4.width - 48.0) << text.text;              // and A4's
    }
  }
  EXPECT_EQ(layout.pages[2].texts.back().text, "Page 3 of 3");
}

std::string PdfToText(const std::string& pdf, const testing::TempFolder& folder) {
  const std::string in = folder.file("list.pdf");
  const std::string out = folder.file("list.txt");
  std::ofstream(in, std::ios::binary) << pdf;
  const std::string command = "pdftotext -layout '" + in + "' '" + out + "' 2>&1";
  const int status = std::system(command.c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "pdftotext failed";
  std::ifstream text(out, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(text), {});
}

TEST(SetListPdf, ReadsBackAsTextOnEachPaper) {
  TARNWICK_NEED(std::system("command -v pdftotext >/dev/null 2>&1") == 0, "pdftotext is not installed");
  const UPFile file = FileOf({{"Caf\xE9", "Jazz (2)", 88, "Back\\up"}, {"Second", "Rock", 140, ""}});
  SetList list{"Gig \xC5\x81\xC3\xB3""dz.UPS", "2026-12-07", MakeSetListEntries(file)};
  for (int i = 0; i < 45; ++i) list.entries.push_back({100 + i, 120, "", "Filler", "Pop", ""});
  testing::TempFolder folder;
  for (const PaperSize& paper : {kPaperA4, kPaperLetter}) {
    const std::string pdf = MakeSetListPdf(LayOutSetList(list), paper, list.title);
    EXPECT_THAT(pdf, HasSubstr("/MediaBox [0 0 " + std::to_string(static_cast<int>(paper.width))));
    const std::string text = PdfToText(pdf, folder);
    EXPECT_THAT(text, HasSubstr("Café"));
    EXPECT_THAT(text, HasSubstr("Jazz (2)"));
    EXPECT_THAT(text, HasSubstr("Back\\up"));
    EXPECT_THAT(text, HasSubstr("2026-12-07"));
    EXPECT_THAT(text, HasSubstr("Page 2 of 2"));
    EXPECT_THAT(text, HasSubstr("ID   UP    Name"));
  }
}

}  // namespace
}  // namespace tarnwick
