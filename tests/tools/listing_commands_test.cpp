// SPDX-License-Identifier: GPL-3.0-or-later
// list and dl: the contents of a file as CSV rows and as Disk Link lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include <map>

#include "commands.h"
#include "updata/atomic_file.h"
#include "updata/up_record.h"
#include "updata/ups_file.h"
#include "upstool_test_support.h"

namespace tarnwick::upstool::test {
namespace {

CommandOutput List(UPFile& file, const std::vector<std::string>& options = {}) {
  TempFolder folder;
  std::vector<std::string> args = {WriteFile(folder, "list.ups", SerializeUPSFile(file))};
  args.insert(args.end(), options.begin(), options.end());
  return RunInProcess(RunListCommand, args);
}

TEST(ListCommandTest, RowsCarryEveryGridValueQuotedAsCsvAndAsUtf8) {
  UPFile file;
  SetUPCount(file, 2);  // all-zero records
  // NUL bytes show as blanks; a line break stays inside its quoted field.
  SetUPText8(file.up(0), kUPNameOffset, "ab\r\ncd");
  SetUPText8(file.up(0), kSongNameOffset, std::string_view("\0\0ab\0\0\0\0", 8));
  UPRecord& up = file.up(1);
  SetUPText8(up, kUPNameOffset, "A,B\"C\xE9 ");
  SetUPText8(up, kStyleNameOffset, " =Pop   ");  // as stored: no spreadsheet quoting here
  SetUPText8(up, kSongNameOffset, "Song\x80   ");
  up[209] = 130;                   // style in flash memory, C11
  up[421] = 5;                     // song on the Zip disk
  up[238] = 97;                    // tempo
  up[419] = 3, up[420] = 12;       // pads 1 and 2
  up[365] = 0x3A, up[159] = 0x08;  // D-Beam: low bits 3 (not the low nibble), high bit 16
  up[440] = 89;                    // EFX
  up[128] = 7, up[135] = 4, up[144] = 9;  // reverb, chorus and delay macros

  const CommandOutput run = List(file);

  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "id,up,name,style_source,style_number,style,song_source,song_location,song,tempo,"
            "pad1,pad2,dbeam,efx,reverb,chorus,delay\n"
            "0,A11,\"ab\r\ncd\",Internal,A11,,ID0,SCSI ID 0,ab,0,0,0,0,0,0,0,0\n"
            "1,A12,\"A,B\"\"C\xC3\xA9\",FlashROM,C11,=Pop,ID5,Zip Disk,Song\xE2\x82\xAC,97,3,12,"
            "19,89,7,4,9\n");
}

TEST(ListCommandTest, PartColumnsFollowInPanelOrder) {
  UPFile file;
  SetUPCount(file, 1);
  UPRecord& up = file.up(0);
  up[0] = 0xFF;        // UP1 volume: bit 7 is not shown
  up[16 + 3] = 64;     // LW1 panpot
  up[112] = 0x8F;      // UP1: off, EQ off, link off, muted
  up[112 + 8] = 0x48;  // ADR: tone change "EM", wrap "Ful"
  up[161 + 24] = 0x85, up[162 + 24] = 1, up[163 + 24] = 127;  // ADR: arranger tone 5, 1, 128

  const CommandOutput run = List(file, {"--parts"});

  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::vector<std::string> lines = Split(run.out);
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<std::string> names = Split(lines[0], ',');
  const std::vector<std::string> values = Split(lines[1], ',');
  ASSERT_EQ(names.size(), 17u + 16u * 15u);
  ASSERT_EQ(values.size(), names.size());
  EXPECT_EQ(names[17], "UP1_cc0");
  EXPECT_EQ(names.back(), "AC6_tarr");
  std::map<std::string, std::string> cell;
  for (std::size_t i = 0; i < names.size(); ++i) cell[names[i]] = values[i];
  for (const auto& [column, value] : std::map<std::string, std::string>{
           {"UP1_vol", "127"}, {"LW1_pan", "64"}, {"UP1_on", "OFF"}, {"UP1_ss", "Mut"},
           {"UP1_pc", "1"}, {"UP1_wrap", ""}, {"ADR_cc0", "5"}, {"ADR_cc32", "1"},
           {"ADR_pc", "128"}, {"ADR_on", "ON"}, {"ADR_st", "EM"}, {"ADR_wrap", "Ful"},
           {"ADR_tarr", "Arr"}, {"AC6_wrap", "Nat"}, {"AC6_tarr", "Usr"}}) {
    EXPECT_EQ(cell[column], value) << column;
  }
}

TEST(DlCommandTest, PrintsEveryEntryWithItsCodeAndUntrimmedName) {
  TempFolder folder;
  std::string image = MakeUPSImage(1);  // the entries not set here hold random bytes
  image.replace(610 + 12 * 0, 8, " Caf\xE9  \x80");
  image.replace(610 + 12 * 8, 8, "  Bank  ");
  image.replace(610 + 12 * 47, 8, std::string_view("a\0b\0\0\0\0\0", 8));
  image.replace(610 + 12 * 110, 8, "x\ty\r\nz  ");

  const CommandOutput run = RunInProcess(RunDlCommand, {WriteFile(folder, "dl.ups", image)});

  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = Split(run.out);
  ASSERT_EQ(lines.size(), 111u);
  EXPECT_EQ(lines[0], "0\tC31\t Caf\xC3\xA9  \xE2\x82\xAC");
  EXPECT_TRUE(lines[1].starts_with("1\tC32\t"));
  EXPECT_EQ(lines[8], "8\tC41\t  Bank  ");
  EXPECT_EQ(lines[47], "47\tC88\ta b     ");
  EXPECT_TRUE(lines[48].starts_with("48\tD11\t"));
  // Tabs and line breaks inside a name would break the columns: they show as blanks.
  EXPECT_EQ(lines[110], "110\tD87\tx y  z  ");
}

TEST(ListingCommandsTest, OutputThatCannotBeWrittenIsAFailure) {
  TempFolder folder;
  const std::string path = WriteFile(folder, "fine.ups", MakeUPSImage(3));
  for (const auto& [command, name] : {std::pair<CommandFunction, const char*>{RunListCommand, "list"},
                                      {RunDlCommand, "dl"},
                                      {RunCheckCommand, "check"}}) {
    std::ostream lost(nullptr);  // a stream without a buffer fails every write
    std::ostringstream err;
    EXPECT_EQ(command({path}, lost, err), 1) << name;
    EXPECT_EQ(err.str(),
              "upstool " + std::string(name) + ": the output could not be written completely\n");
  }
  // The same through the executable, onto a full disk.
  if (std::FILE* full = std::fopen("/dev/full", "w")) {
    std::fclose(full);
    const int status = std::system(("'" UPSTOOL_EXECUTABLE "' check '" + path + "' >/dev/full 2>/dev/null").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
  }
}

}  // namespace
}  // namespace tarnwick::upstool::test

namespace tarnwick::upstool::test {
namespace {

TEST(SetListCommandTest, WritesTheFormatOfTheEndingSortedAndRefusesWhatItCannotWrite) {
  TempFolder folder;
  UPFile file;
  SetUPCount(file, 3);
  for (int id = 0; id < 3; ++id) SetUPText8(file.up(id), kUPNameOffset, std::string(1, static_cast<char>('C' - id)));
  SetUPTempo(file.up(0), 90), SetUPTempo(file.up(1), 120), SetUPTempo(file.up(2), 90);
  const std::string in = WriteFile(folder, "Set.UPS", SerializeUPSFile(file));
  const std::string csv = folder.file("set.CSV");

  const CommandOutput run = RunInProcess(RunSetListCommand, {in, "-o", csv, "--sort", "tempo"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(ReadBytes(csv), "id,up,name,style,tempo,song\n0,A11,C,,90,\n2,A13,A,,90,\n1,A12,B,,120,\n");

  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{in}, {in, "-o", folder.file("set.txt")}, {in, "-o", csv, "--sort", "pad"},
        {in, "-o", csv, "--paper", "a3"}, {in, "-o"}}) {
    const CommandOutput refused = RunInProcess(RunSetListCommand, wrong);
    EXPECT_EQ(refused.exit_code, 2) << wrong.back();
    EXPECT_NE(refused.err, "");
  }
  EXPECT_FALSE(FileExists(folder.file("set.txt")));
  const CommandOutput missing = RunInProcess(RunSetListCommand, {folder.file("none.UPS"), "-o", folder.file("new.csv")});
  EXPECT_EQ(missing.exit_code, 1);
}

// OUT never replaces the input (not through a link either, not with --force), and replaces
// anything else only with --force. A PDF needs no display.
TEST(SetListCommandTest, OutReplacesNeitherTheInputNorAFileUnasked) {
  TempFolder folder;
  const std::string victim = WriteFile(folder, "victim.UPS", MakeUPSImage(3));
  const std::string samePdf = WriteFile(folder, "same.pdf", MakeUPSImage(2));
  const std::string link = folder.file("link.pdf");
  std::filesystem::create_symlink(victim, link);
  for (const auto& [in, out] : {std::pair{victim, link}, std::pair{samePdf, samePdf}}) {
    const CommandOutput refused = RunInProcess(RunSetListCommand, {in, "-o", out, "--force"});
    EXPECT_EQ(refused.exit_code, 1) << out;
    EXPECT_EQ(refused.err, "upstool setlist: " + out + " is the input file; nothing was written\n");
  }
  EXPECT_EQ(ReadBytes(victim), MakeUPSImage(3));
  EXPECT_EQ(ReadBytes(samePdf), MakeUPSImage(2));

  const std::string pdf = WriteFile(folder, "list.pdf", "kept");
  const CommandOutput unasked = RunInProcess(RunSetListCommand, {victim, "-o", pdf});
  EXPECT_EQ(unasked.exit_code, 1);
  EXPECT_EQ(unasked.err, "upstool setlist: " + pdf + " already exists; add --force to replace it\n");
  EXPECT_EQ(ReadBytes(pdf), "kept");
  const CommandOutput forced = RunUpstool({"setlist", victim, "-o", pdf, "--force", "--large"});
  EXPECT_EQ(forced.exit_code, 0) << forced.err;
  EXPECT_EQ(forced.out, "3 UPs written to " + pdf + "\n");
  EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace tarnwick::upstool::test
