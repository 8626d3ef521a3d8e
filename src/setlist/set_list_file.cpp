// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/set_list_file.h"

#include <cctype>

#include "setlist/page_painter.h"

namespace tarnwick {

SetListFormat SetListFormatOf(const std::string& utf8Path) {
  const std::size_t dot = utf8Path.find_last_of("./");
  if (dot == std::string::npos || utf8Path[dot] != '.') return SetListFormat::None;
  std::string ending = utf8Path.substr(dot);
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ending == ".csv") return SetListFormat::Csv;
  if (ending == ".html" || ending == ".htm") return SetListFormat::Html;
  if (ending == ".pdf") return SetListFormat::Pdf;
  return SetListFormat::None;
}

std::string RenderSetList(const SetList& list, SetListFormat format, PaperKind paper, PrintSize size) {
  switch (format) {
    case SetListFormat::Csv: return SetListCsv(list);
    case SetListFormat::Html: return SetListHtml(list);
    case SetListFormat::Pdf: return PageTablePdf(SetListPageTable(list), paper, size);
    case SetListFormat::None: break;
  }
  return {};
}

}  // namespace tarnwick
