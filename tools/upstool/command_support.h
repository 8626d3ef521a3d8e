// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces the commands share: loading a file with its complaint reported, and the texts
// that describe a file or carry its 8-bit texts to a UTF-8 terminal.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "updata/up_file.h"
#include "updata/ups_file.h"

namespace tarnwick::upstool {

// Writes "upstool COMMAND: PROBLEM" and returns the usage exit code.
int ReportUsageError(std::ostream& err, std::string_view command, std::string_view problem);

// Why a load of `path` failed, on one line.
std::string RefusalText(const FileResult& loaded, const std::string& path);

// Loads `path` into `file`; when the file is refused, writes the loader's message (on one line)
// to `err` and returns false.
bool LoadOrReport(UPFile& file, const std::string& path, std::ostream& err);

// Flushes `out`; when anything written to it was lost (a full disk, a closed pipe), says so and
// returns the failure exit code.
int FinishOutput(std::ostream& out, std::ostream& err, std::string_view command);

// "set of 192 UPs" for a full instrument set, "library of N UPs" for any other count.
std::string DescribeUPCount(int count);

// A message on one line: each CR LF, and any CR or LF left alone, becomes one blank.
std::string OneLine(std::string_view message);

// A stored 8-bit text as UTF-8. NUL bytes (the filler of records nobody ever named) come out as
// blanks, so that no output line ever carries a NUL.
std::string StoredTextToUtf8(std::string_view ansi);

}  // namespace tarnwick::upstool
