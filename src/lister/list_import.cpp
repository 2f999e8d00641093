// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/list_import.h"

#include "core/lines.h"

namespace brimlet {
namespace {

std::string_view withoutLeadingBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view withoutTrailingBlanks(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// Byte positions are those of the listing's fixed columns.
constexpr size_t kFolderStart = 17;
constexpr size_t kSizeStart = 17;
constexpr size_t kSizeWidth = 18;
constexpr size_t kNameStart = 36;

std::string_view from(std::string_view line, size_t start) {
  return start < line.size() ? line.substr(start) : std::string_view{};
}

void convertDirLine(std::string_view line, std::string& folder, std::string& out) {
  if (line.starts_with(" Verz")) {
    folder.assign(from(line, kFolderStart));
    return;
  }
  if (line.starts_with(' ') || line.find(" <DIR> ") != std::string_view::npos) return;
  const std::string_view size = withoutLeadingBlanks(from(line, kSizeStart).substr(0, kSizeWidth));
  if (size.empty()) return;
  out += size;
  out += ';';
  out += folder;
  out += '\\';
  out += from(line, kNameStart);
  out += "\r\n";
}

}  // namespace

int64_t recountLines(std::string& list) {
  appendFinalLineEnd(list);
  return static_cast<int64_t>(countCr(list));
}

int64_t recountPastedLines(std::string& block) {
  const size_t nul = block.find('\0');
  if (nul == std::string::npos) return recountLines(block);
  std::string text = block.substr(0, nul);
  appendFinalLineEnd(text);
  block.replace(0, nul, text);
  return static_cast<int64_t>(countCr(block));
}

bool isDirListing(std::string_view path, std::string_view text) {
  return path.ends_with("dir.txt") && text.starts_with(' ');
}

std::string convertDirListing(std::string_view text) {
  std::string out;
  std::string folder;
  LineWalker lines(text);
  while (const auto line = lines.next()) convertDirLine(*line, folder, out);
  convertDirLine(lines.rest(), folder, out);
  return out;
}

bool isFileNameListing(std::string_view path, std::string_view text) {
  return !path.ends_with('t') && text.starts_with("File name");
}

std::string_view fileNameListingBody(std::string_view text) {
  LineWalker lines(text);
  size_t bodyStart = 0;
  size_t endOfPrevious = 0;  // end of the line before the last one seen
  size_t endOfLast = 0;
  for (int64_t number = 1; lines.next(); ++number) {
    endOfPrevious = endOfLast;
    endOfLast = std::min(lines.position(), text.size());
    if (number == 2) bodyStart = endOfLast;
  }
  const size_t bodyEnd = lines.rest().empty() ? endOfPrevious : endOfLast;
  if (bodyStart == 0 || bodyEnd <= bodyStart) return {};
  return text.substr(bodyStart, bodyEnd - bodyStart);
}

BlankRemoval removeTrailingBlanks(std::string_view list, Progress& progress) {
  BlankRemoval result;
  result.text.reserve(list.size());
  LineWalker lines(list);
  int64_t number = 0;
  auto take = [&result](std::string_view line) {
    const std::string_view kept = withoutTrailingBlanks(line);
    result.text += kept;
    result.removed += static_cast<int64_t>(line.size() - kept.size());
  };
  while (const auto line = lines.next()) {
    take(*line);
    result.text += "\r\n";
    progress.setValue(++number);
  }
  take(lines.rest());
  return result;
}

}  // namespace brimlet
