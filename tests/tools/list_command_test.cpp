#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "commands.h"
#include "csv.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

constexpr char kHeader[] =
    "id,up,name,style_source,style_number,style,song_source,song_location,song,tempo,pad1,pad2,"
    "dbeam,efx,reverb,chorus,delay";

// Splits a CSV line that has no quoted fields.
std::vector<std::string> PlainFields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == ',')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

class ListCommandTest : public ::testing::Test {
 protected:
  CommandOutput List(const std::vector<UPRecord>& records, std::vector<std::string> options = {}) {
    const std::string path = folder_.Path("list.ups");
    WriteBytes(path, UpsBytes(MakeHeader("*SPrGMIL", static_cast<int>(records.size())), records));
    options.insert(options.begin(), path);
    return RunInProcess(RunListCommand, options);
  }

  TempFolder folder_;
};

TEST(CsvFieldTest, QuotesOnlyWhereNeededAndDoublesQuotes) {
  std::string csv;
  CsvRow row(csv);
  row.Text("plain");
  row.Text("a,b");
  row.Text("say \"hi\"");
  row.Text("two\nlines");
  row.Text("cr\rhere");
  row.Text("");
  row.Number(-5);
  row.End();
  EXPECT_EQ(csv, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\rhere\",,-5\n");
}

TEST_F(ListCommandTest, RowCarriesEveryGridValue) {
  UPRecord up = NamedUP("A,B\"C\xE9 ");
  SetUPText8(up, kStyleNameOffset, "  Pop   ");
  SetUPText8(up, kSongNameOffset, "Song\x80   ");
  up[209] = 130;   // style in flash memory, C11
  up[421] = 5;     // song on the Zip disk
  up[238] = 97;    // tempo
  up[419] = 3;     // pad 1
  up[420] = 12;    // pad 2
  up[365] = 0x3A;  // D-Beam low bits 3 (low nibble is not part of it)
  up[159] = 0x08;  // D-Beam high bit: 16 + 3 = 19
  up[440] = 89;    // EFX
  up[128] = 7;
  up[135] = 4;
  up[144] = 9;

  const CommandOutput run = List({NamedUP("first"), up});

  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], kHeader);
  EXPECT_EQ(lines[1], "0,A11,first,Internal,A11,,,,,120,0,0,0,0,0,0,0");
  EXPECT_EQ(
      lines[2],
      "1,A12,\"A,B\"\"C\xC3\xA9\",FlashROM,C11,Pop,ID5,Zip Disk,Song\xE2\x82\xAC,97,3,12,19,89,"
      "7,4,9");
}

TEST_F(ListCommandTest, TextsWithLineBreaksStayInOneQuotedField) {
  const CommandOutput run = List({NamedUP("ab\r\ncd")});
  EXPECT_EQ(run.out,
            std::string(kHeader) + "\n0,A11,\"ab\r\ncd\",Internal,A11,,,,,120,0,0,0,0,0,0,0\n");
}

TEST_F(ListCommandTest, IdsPastTheSetHaveNoUPNumberAndNulTextsShowAsBlanks) {
  std::vector<UPRecord> records(194, NamedUP("x"));
  records[193] = UPRecord{};  // a record nobody ever wrote: all zero
  SetUPText8(records[193], kSongNameOffset, std::string_view("\0\0ab\0\0\0\0", 8));

  const CommandOutput run = List(records);

  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 195u);
  EXPECT_EQ(lines[192].substr(0, 10), "191,C88,x,");
  EXPECT_EQ(lines[193].substr(0, 8), "192,,x,I");
  // Song "ab" on SCSI ID 0; the NUL name is empty; the NUL style byte is A11.
  EXPECT_EQ(lines[194], "193,,,Internal,A11,,ID0,SCSI ID 0,ab,0,0,0,0,0,0,0,0");
  EXPECT_EQ(run.out.find('\0'), std::string::npos);
}

TEST_F(ListCommandTest, PartColumnsShowTheTablesOfThePanel) {
  UPRecord up = NamedUP("parts");
  up[0] = 0xFF;            // UP1 volume: bit 7 is not shown
  up[16 + 3] = 64;         // LW1 panpot
  up[112] = 0x8F;          // UP1: off, wrap bit (not shown for UP1), EQ off, link off, muted
  up[112 + 8] = 0x48;      // ADR: tone change "EM", wrap "Ful"
  up[112 + 15] = 0x60;     // AC6: tone change 3 has no text
  up[161 + 3 * 8] = 0x85;  // ADR: arranger tone, bank MSB 5
  up[162 + 3 * 8] = 0x81;  // ADR: bank LSB, bit 7 not shown
  up[163 + 3 * 8] = 127;   // ADR: program 128
  up[161] = 0x80;          // UP1: bit 7 is never shown for parts 0..7

  const CommandOutput run = List({up}, {"--parts"});

  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::string> names = PlainFields(lines[0]);
  const std::vector<std::string> values = PlainFields(lines[1]);
  ASSERT_EQ(names.size(), 17u + 16u * 15u);
  ASSERT_EQ(values.size(), names.size());
  EXPECT_EQ(names[17], "UP1_cc0");
  EXPECT_EQ(names.back(), "AC6_tarr");
  std::map<std::string, std::string> cell;
  for (std::size_t i = 0; i < names.size(); ++i) cell[names[i]] = values[i];

  EXPECT_EQ(cell["UP1_vol"], "127");
  EXPECT_EQ(cell["LW1_pan"], "64");
  EXPECT_EQ(cell["UP1_on"], "OFF");
  EXPECT_EQ(cell["UP1_eq"], "OFF");
  EXPECT_EQ(cell["UP1_sl"], "OFF");
  EXPECT_EQ(cell["UP1_ss"], "Mut");
  EXPECT_EQ(cell["UP1_st"], "Old");
  EXPECT_EQ(cell["UP1_cc0"], "0");
  EXPECT_EQ(cell["UP1_wrap"], "");
  EXPECT_EQ(cell["UP1_tarr"], "");
  EXPECT_EQ(cell["UP1_pc"], "1");
  EXPECT_EQ(cell["ADR_cc0"], "5");
  EXPECT_EQ(cell["ADR_cc32"], "1");
  EXPECT_EQ(cell["ADR_pc"], "128");
  EXPECT_EQ(cell["ADR_tarr"], "Arr");
  EXPECT_EQ(cell["ADR_wrap"], "Ful");
  EXPECT_EQ(cell["ADR_st"], "EM");
  EXPECT_EQ(cell["ADR_on"], "ON");
  EXPECT_EQ(cell["AC6_st"], "");
  EXPECT_EQ(cell["AC6_wrap"], "Nat");
  EXPECT_EQ(cell["AC6_tarr"], "Usr");
}

TEST_F(ListCommandTest, ARefusedFileWritesTheMessageToStandardError) {
  const std::string path = folder_.Path("bad.ups");
  WriteBytes(path, UpsBytesWithCount(1) + "xx");

  const CommandOutput run = RunInProcess(RunListCommand, {path, "--parts"});

  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "The File: " + path + "   Has an incorrect length\n");
}

TEST_F(ListCommandTest, OutputThatCannotBeWrittenIsAFailure) {
  const std::string path = folder_.Path("fine.ups");
  WriteBytes(path, UpsBytesWithCount(3));
  std::ostream lost(nullptr);  // a stream without a buffer fails every write
  std::ostringstream err;

  EXPECT_EQ(RunListCommand({path}, lost, err), 1);
  EXPECT_EQ(err.str(), "upstool list: the output could not be written completely\n");
}

}  // namespace
}  // namespace tarnwick::upstool::test
