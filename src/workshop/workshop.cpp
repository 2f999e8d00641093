// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/workshop.h"

#include "app/choosers.h"
#include "app/help_page.h"
#include "app/program_folder.h"
#include "app/title_name.h"
#include "core/clipboard.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/log.h"
#include "core/number.h"
#include "workshop/crlf_lines.h"

namespace brimlet {
namespace {

using keys::kCtrl;
constexpr int kRightButton = 2;

// clang-format off
enum MenuEntry { kShow = 0, kUndo = 2, kCopy = 4, kPaste = 5, kSaveSettings = 7,
                 kStartWithWorkshop = 8, kEditSettings = 10 };
// clang-format on

}  // namespace

Workshop::Workshop(Session& session, Desk& desk)
    : WindowModel("frm8", "Quorvel ", session.busy),
      clog(addControl("clog", ControlKind::LogBox, "")),
      STBC(addControl("STBC", ControlKind::StatusBar, "")),
      PRBC(addControl("PRBC", ControlKind::ProgressBar, "")),
      session_(session),
      desk_(desk),
      progress_(PRBC, session.platform) {
  addControl("qvl_load", ControlKind::Button, "&Laden", "Datei");
  addControl("qvl_save", ControlKind::Button, "&Speichern", "Datei");
  addControl("qvl_pst", ControlKind::Button, "Ein&fügen", "Datei");
  addControl("qvl_cpy", ControlKind::Button, "&Kopieren", "Datei");
  addControl("qvl_show", ControlKind::Button, "&Anzeigen", "Datei");
  addControl("qvl_help", ControlKind::Button, "&Hilfe", "Datei");
  addControl("qvl_undo", ControlKind::Button, "&Undo", "Speicher");
  addControl("qvl_memdel", ControlKind::Button, "Spei&cher löschen", "Speicher");
  addControl("qvl_logdel", ControlKind::Button, "Log l&öschen", "Speicher");
  declareOperations();
  // The replace fields head the chain frame that the chain removal shares.
  declareReplacements();
  declareRemovals();
  declareInsertions();
  declareParagraphs();
  declareConversions();
  declareStores();
  addControl("qvl_infs", ControlKind::Button, "In Brimlet &geben", "Wechseln");
  addControl("qvl_inzr", ControlKind::Button, "In Dre&mmick geben", "Wechseln");
  addControl("qvl_qfs", ControlKind::Button, "&Brimlet", "Wechseln");
  addControl("qvl_qzr", ControlKind::Button, "&Dremmick", "Wechseln");
  addControl("qvl_quit", ControlKind::Button, "B&eenden", "Wechseln");

  addHandler("frm8_Close", &Workshop::frm8_Close);
  addKeyHandler("frm8_KeyDown", &Workshop::frm8_KeyDown, keysWith("TVZ", {kCtrl}));
  addKeyHandler("clog_KeyDown", &Workshop::frm8_KeyDown, keysWith("TVZ", {kCtrl}));
  addHandler("frm8_MouseDown", &Workshop::frm8_MouseDown);
  addHandler("frm8_MessageProc", &Workshop::frm8_MessageProc);
  addHandler("qvl_load_Click", &Workshop::qvl_load_Click);
  addHandler("qvl_save_Click", &Workshop::qvl_save_Click);
  addHandler("qvl_pst_Click", &Workshop::qvl_pst_Click);
  addHandler("qvl_cpy_Click", &Workshop::qvl_cpy_Click);
  addHandler("qvl_show_Click", &Workshop::qvl_show_Click);
  addHandler("qvl_help_Click", &Workshop::qvl_help_Click);
  addHandler("qvl_undo_Click", &Workshop::qvl_undo_Click);
  addHandler("qvl_memdel_Click", &Workshop::qvl_memdel_Click);
  addHandler("qvl_logdel_Click", &Workshop::qvl_logdel_Click);
  addHandler("qvl_infs_Click", &Workshop::qvl_infs_Click);
  addHandler("qvl_inzr_Click", &Workshop::qvl_inzr_Click);
  addHandler("qvl_qfs_Click", &Workshop::qvl_qfs_Click);
  addHandler("qvl_qzr_Click", &Workshop::qvl_qzr_Click);
  addHandler("qvl_quit_Click", &Workshop::qvl_quit_Click);
}

void Workshop::addOption(const std::string& name, std::string_view caption,
                         std::string_view frame) {
  Control& box = addControl(name, ControlKind::CheckBox, caption, frame);
  addHandler(name + "_Click", [this, &box] { storeOption(session_.settings, box); });
}

void Workshop::addButton(std::string name, std::string_view caption, std::string_view frame,
                         void (Workshop::*handler)()) {
  addHandler(name + "_Click", handler);
  addControl(std::move(name), ControlKind::Button, caption, frame);
}

bool Workshop::optionOn(Setting setting) const { return session_.settings[setting] == 1; }

bool Workshop::ticked(std::string_view checkBox) const {
  return findControl(checkBox)->value() == 1;
}

const std::string& Workshop::fieldText(std::string_view field) const {
  return findControl(field)->text();
}

void Workshop::log(std::string_view message, int mode) {
  if (mode == 99) {
    clog.setText({});
  } else {
    addLogLine(clog, session_.platform.now(), message);
  }
  if (mode == 2) {
    PRBC.setMaximum(100);
    PRBC.setValue(0);
    PRBC.setVisible(true);
  } else if (mode == 3) {
    PRBC.setVisible(false);
  }
  refreshStatus();
}

void Workshop::refreshStatus() {
  // While an operation runs, the text it works on sits in the undo copy;
  // the status names that one until the handler has ended.
  const std::string& text = operationOpen_ ? undoCopy : workingText;
  STBC.setText("Daten: " + decimal(static_cast<int64_t>(text.size())) + " Bytes");
}

bool Workshop::noDataCheck() {
  if (!workingText.empty()) return false;
  log("keine daten geladen", 0);
  return true;
}

void Workshop::refreshTitle() { window().setText("Quorvel " + titleName(workingName)); }

bool Workshop::beginOperation(std::string_view what, LogForm form) {
  if (noDataCheck()) return false;
  if (!what.empty()) {
    log("..." + std::string(what) + "...", form == LogForm::Progress ? 2 : 0);
  }
  takeWorkingTextAsUndo();
  return true;
}

void Workshop::takeWorkingTextAsUndo() {
  // The work reads the undo copy and builds the new text beside it, so the
  // text is never copied just to be kept. The old undo copy stays until
  // the handler has ended, in case the work runs out of memory.
  if (!operationOpen_) replacedUndo_ = std::move(undoCopy);
  operationOpen_ = true;
  undoCopy = std::move(workingText);
  workingText.clear();
}

void Workshop::operationEnded() {
  replacedUndo_ = std::string();
  if (!operationOpen_) return;
  operationOpen_ = false;
  refreshStatus();
}

void Workshop::operationFailed() {
  if (operationOpen_) {
    workingText = std::move(undoCopy);
    undoCopy = std::move(replacedUndo_);
  }
  operationEnded();
}

void Workshop::reportResult(LogForm form, int64_t count, std::string_view noun,
                            std::string_view suffix) {
  desk_.report(form == LogForm::Progress ? 3 : 0, count, noun, suffix);
}

void Workshop::runOperation(const OperationTexts& texts, const Work& work) {
  if (!beginOperation(texts.what, texts.form)) return;
  TextEdit edit = work(undoCopy, progress_);
  workingText = std::move(edit.text);
  reportResult(texts.form, edit.count, texts.noun, texts.suffix);
}

void Workshop::loadFile(const std::string& path) {
  FileRead file = readWholeFile(path);
  if (file.status != ReadStatus::Ok) {
    log(readFailureText(file.status), 0);
    return;
  }
  // Every copy is made before anything changes, so a file too large for
  // the memory left changes nothing. The working text gets its room for
  // the final line end at once: appending to the file's exact bytes would
  // move them all, a third copy at the peak.
  std::string name = path;
  std::string working;
  working.reserve(file.bytes.size() + 2);
  working.append(file.bytes);
  appendFinalLineEnd(working);
  workingName = std::move(name);
  workingText = std::move(working);
  undoCopy = std::move(file.bytes);
  refreshTitle();
  log(workingName + " geladen", 0);
}

void Workshop::frm8_Load() {
  PRBC.setVisible(false);
  refreshStatus();
  setAcceptsDrops(true);
  refreshTitle();
  for (const auto& control : controls()) {
    Setting setting{};
    if (control->kind() == ControlKind::CheckBox && settingForControl(control->name(), setting)) {
      control->setValue(session_.settings[setting]);
    }
  }
}

void Workshop::frm8_Close() {
  if (!session_.shuttingDown) qvl_qfs_Click();
}

void Workshop::frm8_KeyDown(int keyCode, int shift) {
  if (shift != kCtrl) return;
  switch (keyCode) {
    case 'T':
      findControl("qvl_abf")->setVisible(true);
      break;
    case 'V':
      qvl_pst_Click();
      break;
    case 'Z':
      keepNul = !keepNul;
      break;
    default:
      break;
  }
}

void Workshop::frm8_MouseDown(int button) {
  if (button != kRightButton) return;
  const std::string greyedWithoutText = workingText.empty() ? "-" : "";
  const bool startsHere = session_.settings[Setting::StarteProgrammMit] == 2;
  const std::string items = greyedWithoutText + "Anzeigen|-|" + greyedWithoutText + "Undo|-|" +
                            greyedWithoutText + cp("Kopieren|Einfügen|-|Einstellungen speichern|") +
                            (startsHere ? "+-" : "") + "Programmstart mit Quorvel|-|" +
                            cp("Einstellungsdatei im Notepad öffnen");
  switch (session_.platform.popupMenu(items)) {
    case kShow:
      if (!workingText.empty()) qvl_show_Click();
      break;
    case kUndo:
      if (!workingText.empty()) qvl_undo_Click();
      break;
    case kCopy:
      if (!workingText.empty()) qvl_cpy_Click();
      break;
    case kPaste:
      qvl_pst_Click();
      break;
    case kSaveSettings:
      desk_.writeSettings();
      break;
    case kStartWithWorkshop:
      session_.settings[Setting::StarteProgrammMit] = 2;
      break;
    case kEditSettings:
      session_.platform.openExternally(session_.settingsPath(), [this](bool opened) {
        if (!opened) log("Notepad nicht gefunden", 0);
      });
      break;
    default:
      break;
  }
}

void Workshop::frm8_MessageProc(const std::string& path) { loadFile(path); }

void Workshop::qvl_load_Click() {
  const std::optional<std::string> path = chooseFileToRead(session_, desk_, "Quorvel");
  if (path) loadFile(*path);
}

void Workshop::qvl_save_Click() {
  if (noDataCheck()) return;
  FileDialog dialog;
  dialog.title = "Quorvel - Speichern";
  dialog.filter = "Text-Dateien| *.Txt|Alle Dateien| *.*";
  dialog.folder = session_.saveDialogFolder;
  dialog.fileName = workingName;
  dialog.defaultExtension = "txt";
  const std::optional<std::string> chosen = session_.platform.chooseFileToSave(dialog);
  if (!chosen || chosen->empty()) return;
  if (chosen->back() == '/') {
    log(cp("keine gültige datei"), 0);
    return;
  }
  if (!writeWholeFile(*chosen, workingText)) {
    log("fehler beim speichern", 0);
    return;
  }
  workingName = *chosen;
  session_.saveDialogFolder = folderOf(*chosen);
  refreshTitle();
  log(workingName + " gespeichert", 0);
}

void Workshop::qvl_pst_Click() {
  std::optional<std::string> block = clipboardPaste(session_.platform, desk_);
  if (!block) return;
  if (!keepNul) {
    if (const size_t nul = block->find('\0'); nul != std::string::npos) block->resize(nul);
  }
  appendFinalLineEnd(*block);
  std::string name = cp("Eingefügt");
  workingText = std::move(*block);
  workingName = std::move(name);
  refreshTitle();
  refreshStatus();
}

void Workshop::qvl_cpy_Click() {
  if (putTextOnClipboard(session_.platform, desk_, workingText)) {
    desk_.report(0, -1, "", "daten ins clipboard kopiert");
  }
}

void Workshop::qvl_undo_Click() {
  std::swap(workingText, undoCopy);
  log("undo", 0);
}

void Workshop::qvl_memdel_Click() {
  workingText.clear();
  undoCopy.clear();
  log(cp("Speicher gelöscht"), 0);
}

void Workshop::qvl_logdel_Click() { log({}, 99); }

void Workshop::qvl_infs_Click() {
  if (noDataCheck()) return;
  desk_.handToMainList(workingText);
}

void Workshop::qvl_inzr_Click() {
  if (noDataCheck()) return;
  desk_.handToRenamer(workingText);
}

DisplayContent Workshop::displayContent() const {
  const std::string name = titleName(workingName);
  return {"Quorvel Anzeige " + name, "Quorvel Anzeige * " + name, workingText, true, true};
}

void Workshop::qvl_show_Click() { desk_.showInDisplay(displayContent()); }

void Workshop::qvl_help_Click() {
  openHelpPage(session_, "qvl", [this](bool, const std::string& logLine) { log(logLine, 0); });
}

void Workshop::qvl_qfs_Click() { desk_.showTool(Tool::Main); }

void Workshop::qvl_qzr_Click() { desk_.showTool(Tool::Renamer); }

void Workshop::qvl_quit_Click() { desk_.endProgram(); }

}  // namespace brimlet
