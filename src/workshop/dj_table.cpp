// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/dj_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/cp1252.h"
#include "core/number.h"
#include "core/text_compare.h"

namespace brimlet {
namespace {

constexpr std::string_view kSongStart = "<Song FilePath=";
constexpr std::string_view kSongEnd = "</Song>";
constexpr size_t kMaxColumns = 30;

struct Replacement {
  std::string found;
  std::string by;
};

const std::vector<Replacement>& replacements() {
  static const std::vector<Replacement> pairs = {
      {cp("Ã¤"), cp("ä")}, {cp("Ã„"), cp("Ä")}, {cp("Ã¡"), cp("á")}, {cp("Ã©"), cp("é")},
      {cp("Ã¶"), cp("ö")}, {cp("Ã–"), cp("Ö")}, {cp("Ã¼"), cp("ü")}, {cp("Ãœ"), cp("Ü")},
      {"&apos;", "'"},     {"&amp;", "&"},      {cp("â€“"), "-"},    {cp("â˜"), "?"},
      {"&quot;", "'"},     {";", ","},          {"\r\n", ""}};
  return pairs;
}

struct ElementKind {
  std::string_view start;
  std::string_view end;
};

constexpr std::array<ElementKind, 3> kKinds = {
    {{"<Tags", "/>"}, {"<Infos", "/>"}, {"<Scan", "/>"}}};

struct Attribute {
  std::string_view name;
  std::string_view value;
};

struct Song {
  std::string text;
  std::string_view path;
  std::string_view size;
  std::array<std::vector<Attribute>, kKinds.size()> attributes;
};

// Replacing the first occurrence until none is left gives the same bytes as
// replacing each match the moment its last byte is copied: no replacement
// of the table can complete a match with the bytes before it.
void replaceAll(std::string& text, const Replacement& r) {
  if (text.find(r.found) == std::string::npos) return;
  std::string out;
  out.reserve(text.size());
  const char last = r.found.back();
  for (const char c : text) {
    out += c;
    if (c == last && out.ends_with(r.found)) {
      out.resize(out.size() - r.found.size());
      out += r.by;
    }
  }
  text = std::move(out);
}

// The text between the quotes that follow `key`; empty when it is missing.
std::string_view quotedValue(std::string_view song, std::string_view key) {
  const size_t at = song.find(key);
  if (at == std::string_view::npos) return {};
  const size_t open = at + key.size();
  if (open >= song.size()) return {};
  const size_t close = song.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return song.substr(open + 1, close - open - 1);
}

// name="value" pairs; a name starts after the last blank before its "=\"",
// or where the previous value's closing quote left off.
std::vector<Attribute> attributesOf(std::string_view element) {
  std::vector<Attribute> attributes;
  size_t from = 0;
  for (size_t pair = element.find("=\""); pair != std::string_view::npos;
       pair = element.find("=\"", from)) {
    // Searching back only to the previous value keeps a long element without
    // blanks linear.
    const size_t blank = element.substr(from, pair - from).rfind(' ');
    const size_t nameStart = blank == std::string_view::npos ? from : from + blank + 1;
    const size_t valueStart = pair + 2;
    size_t valueEnd = element.find('"', valueStart);
    if (valueEnd == std::string_view::npos) valueEnd = element.size();
    if (pair > nameStart) {
      attributes.push_back({element.substr(nameStart, pair - nameStart),
                            element.substr(valueStart, valueEnd - valueStart)});
    }
    from = std::min(valueEnd + 1, element.size());
  }
  return attributes;
}

// A sorted list of at most 30 names: a name that sorts after a full list's
// last one stays out, any other pushes that last one out.
void mergeName(std::vector<std::string_view>& columns, std::string_view name) {
  const auto place = std::lower_bound(
      columns.begin(), columns.end(), name,
      [](std::string_view a, std::string_view b) { return compareText(a, b) < 0; });
  if (place != columns.end() && *place == name) return;
  const auto index = place - columns.begin();
  if (columns.size() == kMaxColumns) {
    if (place == columns.end()) return;
    columns.pop_back();
  }
  columns.insert(columns.begin() + index, name);
}

std::string megabytes(std::string_view bytes) {
  const auto hundredths = static_cast<int64_t>(
      std::llround(static_cast<double>(integerValue64(bytes).value_or(0)) / 1048576.0 * 100));
  std::string out = decimal(hundredths / 100);
  const int64_t fraction = hundredths % 100;
  if (fraction != 0) {
    out += '.';
    out += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
  }
  return out + " MB";
}

std::string minutes(std::string_view seconds) {
  const int32_t whole = integerValue(seconds);
  return decimal(whole / 60) + ":" + decimal(whole % 60) + " Min";
}

}  // namespace

int64_t countDjSongs(std::string_view text) {
  int64_t songs = 0;
  size_t at = 0;
  while (true) {
    const size_t start = text.find(kSongStart, at);
    if (start == std::string_view::npos) break;
    const size_t end = text.find(kSongEnd, start + kSongStart.size());
    if (end == std::string_view::npos) break;
    ++songs;
    at = end + kSongEnd.size();
  }
  return songs;
}

std::string djTable(std::string_view text, const DjTableOptions& options, Progress& progress) {
  progress.setMaximum(7);
  // Songs are cut out in place, so the views into their texts never move.
  std::vector<Song> songs(static_cast<size_t>(countDjSongs(text)));
  size_t at = 0;
  for (Song& song : songs) {
    const size_t start = text.find(kSongStart, at);
    const size_t end = text.find(kSongEnd, start + kSongStart.size()) + kSongEnd.size();
    song.text = text.substr(start, end - start);
    at = end;
  }
  progress.setValue(1);

  for (Song& song : songs) {
    for (const Replacement& r : replacements()) replaceAll(song.text, r);
  }
  progress.setValue(2);

  for (Song& song : songs) {
    song.path = quotedValue(song.text, "FilePath=");
    song.size = quotedValue(song.text, "FileSize=");
  }
  progress.setValue(3);

  std::array<std::vector<std::string_view>, kKinds.size()> columns;
  for (Song& song : songs) {
    for (size_t kind = 0; kind < kKinds.size(); ++kind) {
      const size_t start = song.text.find(kKinds[kind].start);
      if (start == std::string::npos) break;
      const size_t from = start + kKinds[kind].start.size();
      const size_t end = song.text.find(kKinds[kind].end, from);
      if (end == std::string::npos) break;
      song.attributes[kind] = attributesOf(std::string_view(song.text).substr(from, end - from));
      for (const Attribute& a : song.attributes[kind]) mergeName(columns[kind], a.name);
    }
  }
  progress.setValue(4);

  std::vector<std::string> rows;
  rows.reserve(songs.size());
  for (const Song& song : songs) {
    std::string row(song.path);
    row += ';';
    if (options.sizeInMegabytes && !song.size.empty()) {
      row += megabytes(song.size);
    } else {
      row += song.size;
    }
    row += ';';
    for (size_t kind = 0; kind < kKinds.size(); ++kind) {
      for (const std::string_view name : columns[kind]) {
        const auto& attributes = song.attributes[kind];
        const auto found = std::find_if(attributes.begin(), attributes.end(),
                                        [name](const Attribute& a) { return a.name == name; });
        if (found != attributes.end()) {
          if (options.lengthInMinutes && name == "SongLength") {
            row += minutes(found->value);
          } else {
            row += found->value;
          }
        }
        row += ';';
      }
    }
    row += "\r\n";
    rows.push_back(std::move(row));
  }
  progress.setValue(5);

  std::string table = "FilePath;FileSize;";
  for (const auto& kindColumns : columns) {
    for (const std::string_view name : kindColumns) {
      table += name;
      table += ';';
    }
  }
  table += "\r\n";
  progress.setValue(6);

  for (const std::string& row : rows) table += row;
  progress.setValue(7);
  return table;
}

}  // namespace brimlet
