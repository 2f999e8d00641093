// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/state_dump.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "app/settings_file.h"
#include "core/file_io.h"

namespace brimlet {
namespace {

std::string statusText(Program& program) {
  const char* const tools[] = {"frm1", "frm8", "frm7"};
  std::string out;
  auto line = [&out](const std::string& name, const std::string& value) {
    out += name + "=" + value + "\r\n";
  };
  line("STBF", program.main().STBF.text());
  line("STBC", program.workshop().STBC.text());
  for (WindowModel* window : program.windows()) {
    line(window->form() + ".title", window->window().text());
  }
  line("tool", tools[static_cast<int>(program.visibleTool())]);
  return out;
}

}  // namespace

const std::string& visibleToolText(Program& program) {
  switch (program.visibleTool()) {
    case Tool::Workshop:
      return program.workshop().working().text();
    case Tool::Renamer:
      return program.renamer().namesText;
    case Tool::Main:
      break;
  }
  return program.main().processedList();
}

std::string dumpState(Program& program, const ScriptedPlatform& platform,
                      const std::string& folder) {
  std::error_code ignored;  // a folder that cannot be made fails at the first write
  std::filesystem::create_directories(folder, ignored);
  // Views of the texts themselves: a dump of a large text costs no copy.
  const std::string status = statusText(program);
  const std::string settings = settingsFileText(program.session().settings);
  const std::pair<const char*, std::string_view> files[] = {
      {"working.txt", program.workshop().working().text()},
      {"undo.txt", program.workshop().working().undoCopy()},
      {"filelist.txt", program.main().fileList},
      {"processed.txt", program.main().processedList()},
      {"names.txt", program.renamer().namesText},
      {"display.txt", program.display().show_result.text()},
      {"clipboard.txt", platform.clipboard ? std::string_view(*platform.clipboard) : ""},
      {"zlog.txt", program.main().zlog.text()},
      {"clog.txt", program.workshop().clog.text()},
      {"rlog.txt", program.renamer().rlog.text()},
      {"status.txt", status},
      {"settings.txt", settings},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path = folder + "/" + name;
    if (!writeWholeFile(SystemPath{path}, bytes)) return path;
  }
  return {};
}

}  // namespace brimlet
