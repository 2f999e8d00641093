// SPDX-License-Identifier: GPL-3.0-or-later
// Random handler sequences over every window and dialog: hostile field
// values, dialogs answered with odd folders, FIFOs and links, all inside
// one temporary folder. A crash, a sanitizer report or a hang (libFuzzer's
// -timeout) is a finding; what the handlers log is not judged here.
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/scripted_platform.h"
#include "program/program.h"

namespace {

// The playground, made once per process: names a list, a rename or an
// export can trip over.
struct Playground {
  std::string root;
  std::vector<std::string> paths;  // what the dialogs are answered with

  Playground() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "brimlet-driver-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
    root += '/';
    const auto file = [this](const std::string& name, const std::string& bytes) {
      std::filesystem::create_directories(std::filesystem::path(root + name).parent_path());
      std::ofstream(root + name, std::ios::binary) << bytes;
      paths.push_back(root + name);
    };
    file("home/Brimlet_edgs.txt", "Audio=.mp3+.flac+#\r\nnotes=.txt+#\r\n");
    file("music/a b.mp3", "A");
    file("music/\xC3\xBC.mp3", "B");   // a name with a Windows-1252 form
    file("music/\xFF\xFE.flac", "C");  // not UTF-8
    file("music/line\nend.txt", "D\r\n");
    file("music/-n.txt", "a\r\nb");
    file("music/Brimlet_rueck.dat", "x");
    file("music/sub/deep/z.txt", std::string("nul\0nul\r\n", 9));
    file("lists/list.txt", "a.mp3\r\nC:\\m\\b.jpg");
    file("lists/ydir.txt",
         " Verzeichnis von C:\\x\r\n02.04.2019  07:41                 0 a.txt\r\n");
    file("lists/names.txt", "eins\r\nzwei\r\ndrei\r\n");
    ::mkfifo((root + "music/fifo.txt").c_str(), 0600);
    std::filesystem::create_directories(root + "db");
    ::mkfifo((root + "db/notes.txt").c_str(), 0600);
    std::filesystem::create_symlink("..", root + "music/up");
    std::filesystem::create_symlink(root + "lists/list.txt", root + "music/link.mp3");
    std::filesystem::create_symlink(root + "gone", root + "music/dangling.mp3");
    for (const char* folder : {"music", "music/sub", "lists", "db", "home", "home/kombi"}) {
      std::filesystem::create_directories(root + folder);
      paths.push_back(root + folder + "/");
    }
    paths.push_back(root + "music/fifo.txt");
    paths.push_back(root + "music/up/");
    paths.push_back(root + "missing/x.txt");
  }
  ~Playground() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
  Playground(const Playground&) = delete;
  Playground& operator=(const Playground&) = delete;
};

// Field values that have broken programs like this one before.
const std::vector<std::string> kHostile = {"",
                                           std::string("a\0b", 3),
                                           "/",
                                           "..",
                                           ".",
                                           "=",
                                           "a=b",
                                           "notes",
                                           "<<<>>>",
                                           "[<<<>>>]",
                                           "13-10-",
                                           "::13::::10::",
                                           "-1",
                                           "0",
                                           "99999999999999999999",
                                           "C:",
                                           "x:\\y\\",
                                           "\r\n",
                                           std::string(300, 'z'),
                                           "\xFF\xFE",
                                           "?i?",
                                           "1",
                                           "7",
                                           "abc"};

std::string pick(FuzzedDataProvider& data, const std::vector<std::string>& from) {
  return from[data.ConsumeIntegralInRange<size_t>(0, from.size() - 1)];
}

std::string value(FuzzedDataProvider& data) {
  return data.ConsumeBool() ? pick(data, kHostile) : data.ConsumeRandomLengthString(64);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static const Playground playground;
  FuzzedDataProvider data(bytes, size);
  brimlet::ScriptedPlatform platform;
  platform.seedRandom(1);
  platform.setClock({2026, 3, 1, 0, 0, 1});
  platform.clipboard = value(data);
  // Dialogs get names inside the playground only: a folder chooser
  // answered with "/" would read the whole disk, and a relative name would
  // land wherever the fuzzer runs.
  platform.fallbackAnswer = [&data](const std::string& title) -> std::optional<std::string> {
    switch (data.ConsumeIntegralInRange(0, 4)) {
      case 0:
        return std::nullopt;
      case 1:
        return title == "menu" ? std::to_string(data.ConsumeIntegralInRange(-1, 12)) : "ok";
      case 2:
        return playground.root + "music/" + pick(data, kHostile);
      default:
        return pick(data, playground.paths);
    }
  };
  brimlet::Program program(platform, playground.root + "home/");
  program.start();
  const std::vector<brimlet::WindowModel*> models = program.models();
  for (int step = 0; step < 24 && data.remaining_bytes() > 0 && !program.ended(); ++step) {
    brimlet::WindowModel& window =
        *models[data.ConsumeIntegralInRange<size_t>(0, models.size() - 1)];
    if (data.ConsumeBool() && !window.controls().empty()) {
      brimlet::Control& control =
          *window.controls()[data.ConsumeIntegralInRange<size_t>(0, window.controls().size() - 1)];
      control.setText(value(data));
      control.setValue(data.ConsumeIntegralInRange<int64_t>(-2, 9));
      continue;
    }
    if (window.handlers().empty()) continue;
    const brimlet::Handler& handler =
        window.handlers()[data.ConsumeIntegralInRange<size_t>(0, window.handlers().size() - 1)];
    std::vector<std::string> args;
    for (const brimlet::ArgKind kind : handler.parameters) {
      args.push_back(kind == brimlet::ArgKind::Integer
                         ? std::to_string(data.ConsumeIntegralInRange(-3, 90))
                         : (data.ConsumeBool() ? pick(data, playground.paths) : value(data)));
    }
    window.invoke(handler, args);
  }
  return 0;
}
