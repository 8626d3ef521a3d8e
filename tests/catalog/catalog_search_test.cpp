// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the catalog as the player types: word prefixes over name, style and song, the field
// and tempo filters, names beyond ASCII, and text that is no search.
#include "catalog_fixture.h"

namespace tarnwick::testing {
namespace {

using Found = std::vector<std::string>;

class CatalogSearchTest : public CatalogFixture {
 protected:
  void SetUp() override {
    CatalogFixture::SetUp();
    UPFile ups;
    SetUPCount(ups, 5);
    const char* names[] = {"Piano12", "Caf\xE9", "Jazz Org", "Waltz", "\xD6lberg"};  // Windows-1252
    const char* styles[] = {"Swing", "Bossa", "Piano", "Waltz", "Swing"};
    for (int id = 0; id < 5; ++id) {
      SetUPText8(ups.up(id), kUPNameOffset, names[id]);
      SetUPText8(ups.up(id), kStyleNameOffset, styles[id]);
      SetUPText8(ups.up(id), kSongNameOffset, id == 3 ? "MyWay" : "????????");
      SetUPTempo(ups.up(id), 100 + 10 * id);
      ups.up(id)[field::StyleNumber.offset] = static_cast<std::uint8_t>(id == 4 ? 128 : id);  // D88 / A11..
    }
    ASSERT_TRUE(SaveUPSFile(ups, upsPath("set.UPS")).ok);
    scan();
  }
};

TEST_F(CatalogSearchTest, WordsMatchPrefixesOfNameStyleOrSong) {
  EXPECT_EQ(find("pia"), (Found{"set.UPS:0", "set.UPS:2"}));  // a name, a style
  EXPECT_EQ(find("PIANO12"), (Found{"set.UPS:0"}));
  EXPECT_EQ(find("myw"), (Found{"set.UPS:3"}));
  EXPECT_EQ(find("jazz org"), (Found{"set.UPS:2"}));  // every word must match
  EXPECT_TRUE(find("jazz swing").empty());
  EXPECT_TRUE(find("iano").empty());  // the start of a word, not any part
}

TEST_F(CatalogSearchTest, FieldsAndTempoNarrowTheSearch) {
  EXPECT_EQ(find("name:pia"), (Found{"set.UPS:0"}));
  EXPECT_EQ(find("style:pia"), (Found{"set.UPS:2"}));
  EXPECT_EQ(find("song:my"), (Found{"set.UPS:3"}));
  EXPECT_EQ(find("tempo:120"), (Found{"set.UPS:2"}));
  EXPECT_EQ(find("swing tempo:100-130"), (Found{"set.UPS:0"}));
  EXPECT_EQ(find("style:d88"), (Found{"set.UPS:4"}));
}

TEST_F(CatalogSearchTest, NamesBeyondAsciiMatchWithOrWithoutAccents) {
  EXPECT_EQ(find("caf\u00e9"), (Found{"set.UPS:1"}));
  EXPECT_EQ(find("CAFE"), (Found{"set.UPS:1"}));
  EXPECT_EQ(find("\u00f6l"), (Found{"set.UPS:4"}));
  const CatalogHits hits = FindInCatalog(*catalog, ParseSearchText(QStringLiteral("caf")));
  ASSERT_EQ(hits.hits.size(), 1u);
  EXPECT_EQ(hits.hits[0].name, QStringLiteral("Caf\u00e9"));  // as the grid shows it
  EXPECT_EQ(hits.hits[0].up, QStringLiteral("A12"));
}

// Quotes, stars, OR and other search syntax are just text; a filter that makes no sense says why.
TEST_F(CatalogSearchTest, TypedTextIsNeverSearchSyntax) {
  EXPECT_EQ(find("\"pia* OR"), (Found{"set.UPS:2"}));  // "Jazz Org" in style "Piano": both words
  EXPECT_TRUE(find("-").empty());
  EXPECT_TRUE(find("NEAR(pia").empty());
  EXPECT_FALSE(ParseSearchText(QStringLiteral("tempo:fast")).problem.isEmpty());
  EXPECT_FALSE(ParseSearchText(QStringLiteral("colour:red")).problem.isEmpty());
  EXPECT_TRUE(ParseSearchText(QStringLiteral("tempo:")).empty());  // still being typed
}

}  // namespace
}  // namespace tarnwick::testing
