// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/recipe.h"

#include <string>

#include "cli/command_line_files.h"

namespace brimlet {

std::vector<Step> parseRecipe(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<Step> steps;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    steps.push_back(parseStep(std::string(line.substr(first))));
  }
  return steps;
}

bool appendRecipe(CliOptions& options, std::ostream& errors) {
  if (options.recipe.empty()) return true;
  const FileRead file = readCommandLineFile(options.recipe);
  if (file.status != ReadStatus::Ok) {
    errors << "brimlet-cli: cannot read " << options.recipe << "\n";
    return false;
  }
  for (Step& step : parseRecipe(file.bytes)) options.steps.push_back(std::move(step));
  return true;
}

}  // namespace brimlet
