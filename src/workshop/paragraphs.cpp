// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/paragraphs.h"

#include <vector>

#include "workshop/chain_match.h"
#include "workshop/crlf_lines.h"
#include "workshop/progress_ticker.h"

namespace brimlet {
namespace {

constexpr size_t npos = std::string_view::npos;

bool isClosingMark(char byte) {
  switch (static_cast<unsigned char>(byte)) {
    case 34:
    case 39:
    case 41:
    case 147:
    case 148:
    case 171:
      return true;
    default:
      return false;
  }
}

// Length of the sentence end at the end of a line (mark, closing mark,
// blank), 0 when the line does not end a sentence.
size_t sentenceEndLength(std::string_view line) {
  size_t length = 0;
  if (length < line.size() && line[line.size() - 1 - length] == ' ') ++length;
  if (length < line.size() && isClosingMark(line[line.size() - 1 - length])) ++length;
  if (length == line.size()) return 0;
  const char mark = line[line.size() - 1 - length];
  return mark == '.' || mark == '!' || mark == '?' ? length + 1 : 0;
}

void appendLine(std::string& out, std::string_view line) {
  out.append(line);
  out += "\r\n";
}

void trimTrailingBlanks(std::string& out, size_t from) {
  while (out.size() > from && out.back() == ' ') out.pop_back();
}

// The lines of `text` broken as wrapLines breaks them, appended to `out`.
void appendWrapped(std::string& out, std::string_view text, size_t width) {
  CrLfLines lines(text);
  while (std::optional<std::string_view> line = lines.next()) {
    while (line->size() > width) {
      const size_t blank = line->substr(0, width).rfind(' ');
      if (blank == npos) {
        appendLine(out, line->substr(0, width));
        line->remove_prefix(width);
      } else {
        appendLine(out, line->substr(0, blank));
        line->remove_prefix(blank + 1);
      }
    }
    appendLine(out, *line);
  }
}

// Room for any text of `size` bytes after its lines were broken at `width`
// (0: not broken): every width + 1 bytes give at most one cut (CR LF added)
// and one break at a blank right behind it (CR LF for the blank).
size_t roomFor(size_t size, size_t width) {
  return width == 0 ? size : size + size / width * 3 + 2;
}

}  // namespace

std::string formatParagraphs(std::string_view text, bool keepTails, Progress& progress,
                             size_t wrapWidth) {
  std::string out;
  out.reserve(roomFor(text.size(), wrapWidth));
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  // Lines are written joined as they come; a group that turns out to stay
  // as it was is written again from the text. Each output line is broken at
  // the width as soon as it is complete, so neither the joins nor the
  // unbroken text are ever held.
  std::string scratch;
  size_t lineOut = 0;  // where the output line being built starts
  const auto endLine = [&] {
    if (wrapWidth == 0 || out.size() - lineOut <= wrapWidth) {
      out += "\r\n";
    } else {
      scratch.assign(out, lineOut);
      scratch += "\r\n";
      out.resize(lineOut);
      appendWrapped(out, scratch, wrapWidth);
    }
    lineOut = out.size();
  };
  const auto writeAsItWas = [&](size_t groupOut, std::string_view lines) {
    out.resize(groupOut);
    if (wrapWidth == 0) {
      out.append(lines);
    } else {
      appendWrapped(out, lines, wrapWidth);
    }
    lineOut = out.size();
  };
  size_t groupStart = 0;
  size_t groupOut = 0;
  size_t lineStart = 0;
  for (size_t cr = text.find('\r'); cr != npos; cr = text.find('\r', cr + 1)) {
    if (cr + 1 >= text.size() || text[cr + 1] != '\n') continue;
    ticker.at(static_cast<int64_t>(cr));
    const std::string_view line = text.substr(lineStart, cr - lineStart);
    const size_t sentenceEnd = sentenceEndLength(line);
    const bool beforeEmptyLine = text.substr(cr + 2, 2) == "\r\n";
    const bool emptyLine = line.empty();
    lineStart = cr + 2;
    if (sentenceEnd == 0 && !beforeEmptyLine && !emptyLine) {
      out.append(line);
      if (line.size() > 4) {
        out += ' ';
      } else {
        endLine();
      }
      continue;
    }
    if (keepTails && sentenceEnd == 0) {
      writeAsItWas(groupOut, text.substr(groupStart, cr + 2 - groupStart));
    } else {
      out.append(line);
      endLine();
    }
    groupStart = cr + 2;
    groupOut = out.size();
  }
  writeAsItWas(groupOut, text.substr(groupStart));
  return out;
}

std::string wrapLines(std::string_view text, size_t width, Progress& progress) {
  std::string out;
  out.reserve(roomFor(text.size(), width));
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  // A line at a time, for the progress bar.
  for (size_t start = 0; start < text.size();) {
    const size_t end = findBytes(text, "\r\n", start);
    const size_t next = end == npos ? text.size() : end + 2;
    appendWrapped(out, text.substr(start, next - start), width);
    ticker.at(static_cast<int64_t>(out.size()));
    start = next;
  }
  return out;
}

std::string joinLines(std::string_view text, int group, bool blank, Progress& progress) {
  std::string out;
  out.reserve(text.size() + 2);
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  const auto size = static_cast<size_t>(group);
  CrLfLines lines(text);
  for (size_t i = 1; const std::optional<std::string_view> line = lines.next(); ++i) {
    const bool groupEnds = i % size == 0;
    if (!line->empty()) {
      out.append(*line);
      if (blank && !groupEnds) out += ' ';
    }
    if (groupEnds) out += "\r\n";
    ticker.at(static_cast<int64_t>(out.size()));
  }
  trimTrailingBlanks(out, 0);
  return out;
}

std::string pairLines(std::string_view text, int group, bool blank, Progress& progress) {
  // One walker per column, each started at its column's first line: the
  // rows are then read in one pass without a table of all lines.
  const size_t count = countLines(text);
  const auto size = static_cast<size_t>(group);
  const size_t rows = (count + size - 1) / size;
  std::vector<CrLfLines> columns;
  CrLfLines walker(text);
  for (size_t line = 0; line < count; ++line) {
    if (line % rows == 0) columns.push_back(walker);
    (void)walker.next();
  }
  std::string out;
  out.reserve(text.size() + count + 2);
  progress.setMaximum(static_cast<int64_t>(rows));
  ProgressTicker ticker(progress);
  for (size_t row = 0; row < rows; ++row) {
    const size_t rowStart = out.size();
    for (size_t column = 0; column < columns.size() && row + column * rows < count; ++column) {
      const std::string_view line = *columns[column].next();
      if (line.empty()) continue;
      out.append(line);
      if (blank) out += ' ';
    }
    trimTrailingBlanks(out, rowStart);
    out += "\r\n";
    ticker.at(static_cast<int64_t>(row));
  }
  return out;
}

std::string deleteOddLines(std::string_view text, Progress& progress) {
  std::string out;
  out.reserve(text.size() + 2);
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  CrLfLines lines(text);
  for (bool even = false; const std::optional<std::string_view> line = lines.next(); even = !even) {
    if (even) appendLine(out, *line);
    ticker.at(static_cast<int64_t>(out.size()));
  }
  return out;
}

TextEdit splitPages(std::string_view text, Progress& progress) {
  constexpr std::string_view kSeparator = "----------";
  const std::string kRightColumn(50, ' ');
  const std::string kColumnGap(11, ' ');
  TextEdit result;
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  std::string left;
  std::string right;
  for (size_t pos = 0;;) {
    const size_t lineEnd = findBytes(text, "\r\n", pos);
    if (lineEnd == npos) break;
    const size_t pageStart = lineEnd + 2;
    const size_t separator = findBytes(text, kSeparator, pageStart);
    if (separator == npos) break;
    std::string_view page = text.substr(pageStart, separator - pageStart);
    left.clear();
    right.clear();
    while (!page.empty()) {
      const size_t end = page.find("\r\n");
      const std::string_view line = page.substr(0, end);
      page.remove_prefix(end == npos ? page.size() : end + 2);
      const size_t gap = line.find(kColumnGap);
      if (line.starts_with(kRightColumn)) {
        appendLine(right, line);
      } else if (gap != npos) {
        appendLine(left, line.substr(0, gap));
        const size_t rightStart = line.find_first_not_of(' ', gap);
        appendLine(right, rightStart == npos ? std::string_view{} : line.substr(rightStart));
      } else {
        appendLine(left, line);
      }
    }
    result.text += left;
    result.text += right;
    ++result.count;
    ticker.at(static_cast<int64_t>(separator));
    pos = separator;
  }
  return result;
}

}  // namespace brimlet
