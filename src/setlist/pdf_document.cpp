// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/pdf_document.h"

#include <cstdio>
#include <vector>

#include "updata/ansi_text.h"

namespace tarnwick {
namespace {

// Object numbers: 1 catalog, 2 page tree, 3 and 4 the fonts, 5 the document information, then
// a page and its content for each page.
constexpr int kFirstPageObject = 6;

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// The length of a UTF-8 sequence from its first byte; 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// Decodes UTF-8; a broken sequence gives U+FFFD for its first byte.
std::vector<char32_t> CodePoints(const std::string& utf8) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const auto length = static_cast<std::size_t>(SequenceLength(lead));
    bool broken = length == 0 || i + length > utf8.size();
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; !broken && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      broken = (next & 0xC0) != 0x80;
      point = (point << 6) | (next & 0x3F);
    }
    points.push_back(broken ? char32_t{0xFFFD} : point);
    i += broken ? 1 : length;
  }
  return points;
}

// A PDF string in the fonts' Windows-1252 encoding: brackets and backslashes escaped, bytes
// outside printable ASCII written in octal.
std::string PdfString(const std::string& utf8) {
  std::string out = "(";
  for (const char32_t point : CodePoints(utf8)) {
    const auto byte = static_cast<unsigned char>(UnicodeToAnsi(point));
    if (byte == '(' || byte == ')' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte < 0x20 || byte >= 0x7F) {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\%03o", byte);
      out += octal;
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out + ")";
}

// A text string for the document information: UTF-16BE with its byte order mark, in hex.
std::string PdfTextString(const std::string& utf8) {
  std::string out = "<FEFF";
  char hex[8];
  for (char32_t point : CodePoints(utf8)) {
    if (point > 0xFFFF) {
      point -= 0x10000;
      std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(0xD800 + (point >> 10)));
      out += hex;
      point = 0xDC00 + (point & 0x3FF);
    }
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(point));
    out += hex;
  }
  return out + ">";
}

// Advance widths (thousandths of the size) of what is aligned on its right edge: the numbers of
// the list (every Helvetica digit is 556 wide) and the bold headings "ID" and "Tempo".
double HelveticaWidth(const std::string& text, double size, bool bold) {
  double units = 0;
  for (const char c : text) {
    if (!bold || (c >= '0' && c <= '9')) {
      units += 556;
      continue;
    }
    switch (c) {
      case 'I': units += 278; break;
      case 'D': units += 722; break;
      case 'e': units += 556; break;
      case 'm': units += 889; break;
      default: units += 611;  // T, p, o
    }
  }
  return units * size / 1000.0;
}

std::string PageContent(const SetListPage& page, const SetListLayout& layout, double height) {
  std::string content;
  for (const PageBand& band : page.bands) {
    content += Number(band.gray) + " g " + Number(layout.left) + ' ' + Number(height - band.top - band.height) +
               ' ' + Number(layout.right - layout.left) + ' ' + Number(band.height) + " re f\n";
  }
  content += "0 g\n";
  for (const PageText& text : page.texts) {
    const double x = text.alignRight ? text.x - HelveticaWidth(text.text, text.size, text.bold) : text.x;
    content += "BT /" + std::string(text.bold ? "F2 " : "F1 ") + Number(text.size) + " Tf " + Number(x) + ' ' +
               Number(height - text.baseline) + " Td " + PdfString(text.text) + " Tj ET\n";
  }
  return content;
}

class PdfBuilder {
 public:
  PdfBuilder() { pdf_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

  void Add(int number, const std::string& body) {
    if (offsets_.size() < static_cast<std::size_t>(number)) offsets_.resize(static_cast<std::size_t>(number));
    offsets_[static_cast<std::size_t>(number) - 1] = pdf_.size();
    pdf_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
  }

  std::string Finish() {
    const std::size_t xref = pdf_.size();
    pdf_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    char line[32];
    for (const std::size_t offset : offsets_) {
      std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
      pdf_ += line;
    }
    pdf_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" +
            std::to_string(xref) + "\n%%EOF\n";
    return std::move(pdf_);
  }

 private:
  std::string pdf_;
  std::vector<std::size_t> offsets_;
};

std::string FontObject(const char* face) {
  return std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + face + " /Encoding /WinAnsiEncoding >>";
}

}  // namespace

std::string MakeSetListPdf(const SetListLayout& layout, const PaperSize& paper, const std::string& title) {
  PdfBuilder pdf;
  const int pageCount = static_cast<int>(layout.pages.size());
  std::string kids;
  for (int p = 0; p < pageCount; ++p) kids += std::to_string(kFirstPageObject + 2 * p) + " 0 R ";
  pdf.Add(1, "<< /Type /Catalog /Pages 2 0 R >>");
  pdf.Add(2, "<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(pageCount) + " >>");
  pdf.Add(3, FontObject("Helvetica"));
  pdf.Add(4, FontObject("Helvetica-Bold"));
  pdf.Add(5, "<< /Title " + PdfTextString(title) + " /Producer (Tarnwick) >>");
  const std::string mediaBox = "[0 0 " + Number(paper.width) + ' ' + Number(paper.height) + ']';
  for (int p = 0; p < pageCount; ++p) {
    const int pageObject = kFirstPageObject + 2 * p;
    pdf.Add(pageObject, "<< /Type /Page /Parent 2 0 R /MediaBox " + mediaBox +
                            " /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                            std::to_string(pageObject + 1) + " 0 R >>");
    const std::string content = PageContent(layout.pages[static_cast<std::size_t>(p)], layout, paper.height);
    pdf.Add(pageObject + 1, "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
  }
  return pdf.Finish();
}

}  // namespace tarnwick
