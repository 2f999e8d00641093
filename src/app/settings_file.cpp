// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_file.h"

#include <cstdlib>

#include "core/cp1252.h"
#include "core/lines.h"
#include "core/number.h"

namespace brimlet {
namespace {

struct SectionInfo {
  SettingsSection section;
  std::string_view header;
};

constexpr SectionInfo kSections[] = {
    {SettingsSection::Brimlet, "brimlet"},
    {SettingsSection::Quorvel, "quorvel"},
    {SettingsSection::Dremmick, "dremmick"},
};

// The markers of the remembered strings, in the order they are written.
std::string* rememberedString(RememberedStrings& r, int index) {
  if (index == 0) return &r.textDatabaseFolder;
  if (index == 1) return &r.defaultDatabaseFile;
  return &r.replacePresets[static_cast<size_t>(index - 2)];
}

std::string markerOf(int index) {
  if (index == 0) return "$$$";
  if (index == 1) return cp("§§§");
  return cp("¥¥") + std::to_string(index - 1) + cp("¥¥");
}

constexpr int kRememberedCount = 5;

void parseSection(std::string_view text, SettingsSection section, Settings& settings) {
  const size_t start = text.find(kSections[static_cast<int>(section)].header);
  if (start == std::string_view::npos) return;
  const int first = firstSettingOf(section);
  const int count = settingCountOf(section);
  int assigned = 0;
  bool sawValue = false;
  LineWalker lines(text.substr(start));
  while (const auto line = lines.next()) {
    if (line->find('=') == std::string_view::npos) {
      if (sawValue) return;
      continue;
    }
    sawValue = true;
    if (assigned < count) {
      const char last = line->back();
      settings.at(first + assigned) = last >= '0' && last <= '9' ? last - '0' : 0;
    }
    ++assigned;
  }
}

// A marker counts at the start of a line only: a value may hold another
// string's marker ("$$$" in a replace preset), and found there it would give
// that string a value nobody set. A line starts after a CR (with or without
// its LF), which no value can hold; a lone LF in a value starts none.
size_t findAtLineStart(std::string_view text, std::string_view marker) {
  for (size_t at = text.find(marker); at != std::string_view::npos;
       at = text.find(marker, at + 1)) {
    if (at == 0 || text[at - 1] == '\r' || (at >= 2 && text.substr(at - 2, 2) == "\r\n")) return at;
  }
  return std::string_view::npos;
}

void parseRemembered(std::string_view text, int index, RememberedStrings& remembered) {
  const std::string marker = markerOf(index);
  const size_t start = findAtLineStart(text, marker);
  if (start == std::string_view::npos) return;
  std::string_view line = text.substr(start + marker.size());
  line = line.substr(0, line.find('\r'));
  const size_t end = line.rfind(marker);
  if (end == std::string_view::npos) return;  // cut off before its closing marker
  *rememberedString(remembered, index) = std::string(line.substr(0, end));
}

}  // namespace

std::string settingsFileText(const Settings& settings) {
  std::string out;
  for (const auto& [section, header] : kSections) {
    if (section != SettingsSection::Brimlet) out += "\r\n";
    out += header;
    out += "\r\n";
    const int first = firstSettingOf(section);
    for (int i = first; i < first + settingCountOf(section); ++i) {
      out += cp(settingInfo(static_cast<Setting>(i)).keyUtf8);
      out += decimal(settings.at(i));
      out += "\r\n";
    }
  }
  RememberedStrings remembered = settings.remembered;
  for (int index = 0; index < kRememberedCount; ++index) {
    const std::string& value = *rememberedString(remembered, index);
    if (value.empty()) continue;
    const std::string marker = markerOf(index);
    out += marker + value + marker + "\r\n";
  }
  return out;
}

void parseSettingsFile(std::string_view text, Settings& settings) {
  for (const auto& section : kSections) parseSection(text, section.section, settings);
  for (int index = 0; index < kRememberedCount; ++index) {
    parseRemembered(text, index, settings.remembered);
  }
}

}  // namespace brimlet
