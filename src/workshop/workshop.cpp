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
#include "core/text_file_form.h"
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
    : OptionWindow("frm8", "Quorvel ", session.busy, session.settings),
      clog(addControl("clog", ControlKind::LogBox, "")),
      STBC(addControl("STBC", ControlKind::StatusBar, "")),
      PRBC(addControl("PRBC", ControlKind::ProgressBar, "")),
      session_(session),
      desk_(desk),
      progress_(PRBC, session.platform),
      working_(STBC) {
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
  addHandler("STBC_MouseDown", &Workshop::STBC_MouseDown);
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

void Workshop::log(std::string_view message, LogMode mode) {
  addLogLine(clog, session_.platform.now(), message);
  if (mode == LogMode::ShowProgress) {
    PRBC.setMaximum(100);
    PRBC.setValue(0);
    PRBC.setVisible(true);
  } else if (mode == LogMode::HideProgress) {
    PRBC.setVisible(false);
  }
  working_.refreshStatus();
}

void Workshop::clearLog() {
  clog.setText({});
  working_.refreshStatus();
}

bool Workshop::noDataCheck() {
  if (!working_.empty()) return false;
  log("keine daten geladen", LogMode::Line);
  return true;
}

void Workshop::refreshTitle() { window().setText("Quorvel " + titleName(working_.name())); }

bool Workshop::beginOperation(std::string_view what, LogForm form) {
  if (noDataCheck()) return false;
  if (!what.empty()) {
    log("..." + std::string(what) + "...",
        form == LogForm::Progress ? LogMode::ShowProgress : LogMode::Line);
  }
  working_.beginOperation();
  return true;
}

void Workshop::operationEnded() { working_.endOperation(); }

void Workshop::operationFailed() { working_.failOperation(); }

void Workshop::reportResult(LogForm form, int64_t count, std::string_view noun,
                            std::string_view suffix) {
  report(form == LogForm::Progress ? LogMode::HideProgress : LogMode::Line, count, noun, suffix);
}

void Workshop::runOperation(const OperationTexts& texts, const Work& work) {
  if (!beginOperation(texts.what, texts.form)) return;
  TextEdit edit = work(working_.source(), progress_);
  working_.setResult(std::move(edit.text));
  reportResult(texts.form, edit.count, texts.noun, texts.suffix);
}

void Workshop::loadFile(const std::string& path) {
  // A large file takes seconds: the bar shows how far the reading got, and
  // Esc stops it with the working text as it was.
  PRBC.setVisible(true);
  FileRead file = readWholeFile(path, progress_);
  if (file.status != ReadStatus::Ok) {
    PRBC.setVisible(false);
    log(readFailureText(file.status), LogMode::Line);
    return;
  }
  TextFromFile text = textFromFile(std::move(file.bytes));
  const bool foreignCharactersKept = text.foreignCharactersKept;
  working_.load(path, std::move(text));
  PRBC.setVisible(false);
  refreshTitle();
  log(path + " geladen", LogMode::Line);
  if (foreignCharactersKept) log(foreignCharactersKeptMessage(), LogMode::Line);
}

void Workshop::frm8_Load() {
  PRBC.setVisible(false);
  working_.refreshStatus();
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
  const std::string greyedWithoutText = working_.empty() ? "-" : "";
  const bool startsHere = session_.settings[Setting::StarteProgrammMit] == 2;
  const std::string items = greyedWithoutText + "Anzeigen|-|" + greyedWithoutText + "Undo|-|" +
                            greyedWithoutText + cp("Kopieren|Einfügen|-|Einstellungen speichern|") +
                            (startsHere ? "+-" : "") + "Programmstart mit Quorvel|-|" +
                            cp("Einstellungsdatei im Notepad öffnen");
  switch (session_.platform.popupMenu(items)) {
    case kShow:
      if (!working_.empty()) qvl_show_Click();
      break;
    case kUndo:
      if (!working_.empty()) qvl_undo_Click();
      break;
    case kCopy:
      if (!working_.empty()) qvl_cpy_Click();
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
        if (!opened) log("Notepad nicht gefunden", LogMode::Line);
      });
      break;
    default:
      break;
  }
}

void Workshop::frm8_MessageProc(const std::string& path) { loadFile(path); }

void Workshop::STBC_MouseDown(int /*button*/) {
  // clang-format off
  enum FormEntry { kUtf8 = 0, kUtf8WithMark = 1, kWindows1252 = 2, kLf = 4, kCrLf = 5 };
  // clang-format on
  const TextFileForm form = working_.form();
  const auto tick = [](bool on) { return std::string(on ? "+" : ""); };
  const bool utf8 = form.encoding == FileEncoding::Utf8;
  const bool lf = form.lineEnds == FileLineEnds::Lf;
  const std::string items = tick(utf8 && !form.byteOrderMark) + "UTF-8|" +
                            tick(utf8 && form.byteOrderMark) + "UTF-8 mit BOM|" + tick(!utf8) +
                            "Windows-1252|-|" + tick(lf) + "LF|" + tick(!lf) + "CR LF";
  TextFileForm chosen = form;
  const int entry = session_.platform.popupMenu(items);
  switch (entry) {
    case kUtf8:
    case kUtf8WithMark:
      chosen.encoding = FileEncoding::Utf8;
      chosen.byteOrderMark = entry == kUtf8WithMark;
      break;
    case kWindows1252:
      chosen.encoding = FileEncoding::Windows1252;
      chosen.byteOrderMark = false;
      break;
    case kLf:
      chosen.lineEnds = FileLineEnds::Lf;
      break;
    case kCrLf:
      chosen.lineEnds = FileLineEnds::CrLf;
      break;
    default:
      return;
  }
  if (chosen != form) changeFileForm(chosen);
}

void Workshop::changeFileForm(TextFileForm form) {
  working_.setForm(form);
  log("speichern als " + formName(form), LogMode::Line);
}

void Workshop::changeFileLineEnds(FileLineEnds lineEnds) {
  TextFileForm form = working_.form();
  if (form.lineEnds == lineEnds) return;
  form.lineEnds = lineEnds;
  changeFileForm(form);
}

void Workshop::qvl_load_Click() {
  const std::optional<std::string> path = chooseFileToRead(session_, *this, "Quorvel");
  if (path) loadFile(*path);
}

void Workshop::qvl_save_Click() {
  if (noDataCheck()) return;
  FileDialog dialog;
  dialog.title = "Quorvel - Speichern";
  dialog.filter = "Text-Dateien| *.Txt|Alle Dateien| *.*";
  dialog.folder = session_.saveDialogFolder;
  dialog.fileName = working_.name();
  dialog.defaultExtension = "txt";
  const std::optional<std::string> chosen = session_.platform.chooseFileToSave(dialog);
  if (!chosen || chosen->empty()) return;
  if (chosen->back() == '/') {
    log(cp("keine gültige datei"), LogMode::Line);
    return;
  }
  if (!writeWholeFile(*chosen, working_.fileBytes())) {
    log("fehler beim speichern", LogMode::Line);
    return;
  }
  working_.rename(*chosen);
  session_.saveDialogFolder = folderOf(*chosen);
  refreshTitle();
  log(*chosen + " gespeichert", LogMode::Line);
}

void Workshop::qvl_pst_Click() {
  std::optional<std::string> block = clipboardPaste(session_.platform, *this);
  if (!block) return;
  if (!keepNul) {
    if (const size_t nul = block->find('\0'); nul != std::string::npos) block->resize(nul);
  }
  working_.paste(std::move(*block), cp("Eingefügt"));
  refreshTitle();
}

void Workshop::qvl_cpy_Click() {
  if (putTextOnClipboard(session_.platform, *this, working_.text())) {
    report(LogMode::Line, -1, "", "daten ins clipboard kopiert");
  }
}

void Workshop::qvl_undo_Click() {
  working_.swapWithUndo();
  log("undo", LogMode::Line);
}

void Workshop::qvl_memdel_Click() {
  working_.clear();
  log(cp("Speicher gelöscht"), LogMode::Line);
}

void Workshop::qvl_logdel_Click() { clearLog(); }

void Workshop::qvl_infs_Click() {
  if (noDataCheck()) return;
  desk_.handToMainList(working_.text());
}

void Workshop::qvl_inzr_Click() {
  if (noDataCheck()) return;
  desk_.handToRenamer(working_.text());
}

DisplayTitles Workshop::displayTitles() const {
  const std::string name = titleName(working_.name());
  return {"Quorvel Anzeige " + name, "Quorvel Anzeige * " + name};
}

DisplayContent Workshop::displayContent() const {
  DisplayTitles titles = displayTitles();
  return {std::move(titles.title), std::move(titles.editedTitle), working_.text(), true, true};
}

void Workshop::displayClosed() { findControl("qvl_abf")->setVisible(false); }

void Workshop::qvl_show_Click() { desk_.showInDisplay(displayContent()); }

void Workshop::qvl_help_Click() {
  openHelpPage(session_, "qvl",
               [this](bool, const std::string& logLine) { log(logLine, LogMode::Line); });
}

void Workshop::qvl_qfs_Click() { desk_.showTool(Tool::Main); }

void Workshop::qvl_qzr_Click() { desk_.showTool(Tool::Renamer); }

void Workshop::qvl_quit_Click() { desk_.endProgram(); }

}  // namespace brimlet
