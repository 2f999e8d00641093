// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_file_form.h"

#include <algorithm>
#include <cstring>

#include "core/cp1252.h"
#include "core/lines.h"

namespace brimlet {
namespace {

bool holds(const std::string& text, char byte) {
  return std::memchr(text.data(), byte, text.size()) != nullptr;
}

bool isAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

TextFromFile textFromFile(std::string bytes) {
  TextFromFile result;
  const bool lf = holds(bytes, '\n') && !holds(bytes, '\r');
  if (lf) result.form.lineEnds = FileLineEnds::Lf;
  if (std::string_view(bytes).substr(0, 3) == kByteOrderMark) {
    if (auto decoded = cp1252FromUtf8(std::string_view(bytes).substr(3))) {
      result.form.encoding = FileEncoding::Utf8;
      result.form.byteOrderMark = true;
      bytes = std::move(*decoded);
    } else {
      result.foreignCharactersKept = isValidUtf8(bytes);
    }
  } else if (isAscii(bytes)) {
    if (lf) result.form.encoding = FileEncoding::Utf8;
  } else if (auto decoded = cp1252FromUtf8(bytes)) {
    result.form.encoding = FileEncoding::Utf8;
    bytes = std::move(*decoded);
  } else {
    result.foreignCharactersKept = isValidUtf8(bytes);
  }
  result.text = lf ? lfToCrLf(bytes) : std::move(bytes);
  return result;
}

std::string textForFile(std::string text, TextFileForm form) {
  if (form.lineEnds == FileLineEnds::Lf) text = crLfToLf(text);
  if (form.encoding != FileEncoding::Utf8) return text;
  return (form.byteOrderMark ? std::string(kByteOrderMark) : std::string()) + toUtf8(text);
}

std::string formName(TextFileForm form) {
  std::string name = form.encoding == FileEncoding::Windows1252 ? "Windows-1252"
                     : form.byteOrderMark                       ? "UTF-8 mit BOM"
                                                                : "UTF-8";
  name += form.lineEnds == FileLineEnds::Lf ? ", LF" : ", CR LF";
  return name;
}

std::string foreignCharactersKeptMessage() {
  return cp("utf-8 mit zeichen ausserhalb windows-1252: bytes unverändert übernommen");
}

}  // namespace brimlet
