// SPDX-License-Identifier: GPL-3.0-or-later
#include <random>

#include "app/program_folder.h"
#include "core/clipboard.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/number.h"
#include "display/display_window.h"
#include "display/passwords.h"
#include "display/word_tools.h"

namespace brimlet {
namespace {

std::string twoDigits(int value) {
  std::string digits = decimal(value);
  if (digits.size() < 2) digits.insert(digits.begin(), '0');
  return digits;
}

// The system's random device as a generator for the standard distributions,
// which draw without the bias of a plain remainder.
class SecureWords {
 public:
  using result_type = uint32_t;
  explicit SecureWords(Platform& platform) : platform_(platform) {}
  static constexpr result_type min() { return 0; }
  static constexpr result_type max() { return UINT32_MAX; }
  result_type operator()() { return platform_.secureRandomWord(); }

 private:
  Platform& platform_;
};

}  // namespace

std::optional<std::string> DisplayWindow::askAnagramFile() {
  const LocalTime t = session_.platform.now();
  FileDialog dialog;
  dialog.title = "Quorvel - Anagramm Speichern";
  dialog.filter = "Text-Dateien | *.Txt| Alle Dateien | *.*";
  dialog.folder = session_.saveDialogFolder;
  dialog.fileName = "anagramm " + twoDigits(t.day) + "." + twoDigits(t.month) + "." +
                    decimal(t.year) + "-" + twoDigits(t.hour) + twoDigits(t.minute) +
                    twoDigits(t.second) + ".txt";
  dialog.defaultExtension = "txt";
  std::optional<std::string> chosen = session_.platform.chooseFileToSave(dialog);
  if (!chosen || chosen->empty() || chosen->back() == '/') return std::nullopt;
  session_.saveDialogFolder = folderOf(*chosen);
  return chosen;
}

void DisplayWindow::writeAnagramFile(const std::string& path, std::string_view bytes) {
  if (!writeWholeFile(path, bytes)) desk_.report(LogMode::Line, -1, "", "fehler beim speichern");
}

void DisplayWindow::qvl_angr_Click() {
  if (fieldText().size() < 3) return;
  keepFieldAsUndo();
  setFieldText({});
  toolReset(0);
  const std::string list = anagramList(undoCopy_, static_cast<size_t>(options_.maxAnagramLength));
  if (options_.directSave) {
    if (const auto path = askAnagramFile()) writeAnagramFile(*path, list);
  } else {
    setFieldText(list);
    setControlsEnabled(true, {"qvl_angr_sv", "qvl_angr_zf"});
  }
  toolResultMode_ = 0;
}

void DisplayWindow::qvl_angr_zf_Click() {
  if (toolResultMode_ % 2 != 0) {
    setFieldText(undoCopy_);
    ++toolResultMode_;
    return;
  }
  session_.platform.seedRandomFromClock();
  const auto pick = [this](uint32_t count) {
    return static_cast<uint32_t>(session_.platform.random() * count);
  };
  const auto anagram = pickAnagram(fieldText(), pick);
  if (!anagram) return;
  keepFieldAsUndo();
  setFieldText(*anagram);
  setControlsEnabled(false, {"qvl_angr_sv"});
  ++toolResultMode_;
}

void DisplayWindow::qvl_angr_sv_Click() {
  if (!tool("qvl_angr_sv").enabled()) return;
  if (const auto path = askAnagramFile()) writeAnagramFile(*path, fieldText());
}

void DisplayWindow::qvl_anvg_Click() {
  const auto verdict = anagramCheck(fieldText());
  if (!verdict) return;
  // The one-line notice replaces the text as well, so it keeps an undo copy.
  keepFieldAsUndo();
  toolReset(0);
  setFieldText(*verdict);
}

void DisplayWindow::qvl_acr_Click() {
  if (fieldText().size() < 3) return;
  toolReset(0);
  keepFieldAsUndo();
  setFieldText(acronym(undoCopy_, options_.acronymDigits));
  setControlsEnabled(true, {"qvl_acr_cp"});
}

// The display tools log nothing; a copy that fails reports itself.
void DisplayWindow::qvl_acr_cp_Click() {
  static_cast<void>(putTextOnClipboard(session_.platform, desk_, fieldText()));
}

void DisplayWindow::qvl_pwd_Click() {
  std::string_view templateText;
  if (options_.passwordTemplate) {
    templateText = sourceText();
    if (templateText.size() < 7) return;
  }
  toolReset(0);
  passwords_.clear();
  SecureWords words(session_.platform);
  const auto uniform = [&words](uint32_t n) {
    return std::uniform_int_distribution<uint32_t>(0, n - 1)(words);
  };
  const auto made = generatePasswords(
      {options_.passwordLength, options_.passwordCount, options_.classRule}, templateText, uniform);
  if (!made) {
    session_.platform.showStop(
        "Brimlet/Quorvel: Passwort-Generator",
        cp("Kein Passwort zu erstellen|Bitte Zeichenvorlage überprüfen|Aktion wird abgebrochen."));
    return;
  }
  passwords_ = std::move(*made);
  setFieldText(passwords_);
  setControlsEnabled(true, {"qvl_pwd_cp"});
}

void DisplayWindow::qvl_pwd_cp_Click() {
  static_cast<void>(putTextOnClipboard(session_.platform, desk_, passwords_));
}

}  // namespace brimlet
