// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/desk.h"
#include "app/option_window.h"
#include "app/session.h"
#include "core/text_file_form.h"
#include "core/window_model.h"
#include "renamer/rename_run.h"

namespace brimlet {

// The batch renamer `frm7`. It owns the names text (one new name per line)
// and the prepared pairing of folder entries with new names, which the
// preview `lv1` shows row by row before anything is renamed.
class RenamerWindow : public OptionWindow {
 public:
  RenamerWindow(Session& session, Desk& desk);

  // What a preparation returns; the window turns it into a log line.
  enum PreparationCode : int {
    kPrepared = -1,
    kDeclined = 0,
    kCancelled = 1,
    kBadChoice = 2,
    kNoNamesGiven = 3,
    kNoNamesFound = 4,
    kNoFilesFound = 5,
  };

  // The renamer log: a line on top of `rlog`.
  void log(std::string_view message);
  // An edited names text from the display window; a last line gets its CR LF.
  void takeNames(const std::string& text);
  // The workshop's text as the names text, with the form a set file saved
  // from it is written in; the renamer is shown by then.
  void receiveNames(const std::string& text, TextFileForm form);

  // Pairs the target folder's entries with the names: `extension` is "" or
  // "." + an extension. Returns a PreparationCode.
  int prepareNameList(const std::string& extension);
  int prepareRandomNumbering();

  // Where the last apply's renames are recorded for drm_rueck.
  [[nodiscard]] std::string journalPath() const;

  void frm7_Load();
  void frm7_Close();
  void drm_zukn_Click();
  void drm_mext_Click();
  void drm_rnd_Click();
  void drm_anwd_Click();
  void drm_rueck_Click();
  void drm_ers_Click();
  void drm_sve_Click();
  void drm_help_Click();
  void drm_qfs_Click();
  void drm_qzc_Click();
  void drm_quit_Click();

  std::string namesText;
  // How a set file saved from the names text is written.
  TextFileForm namesForm = kWindowsForm;
  std::string extensionFilter;
  // The set file the prepared names came from ("" for names from memory
  // and random numbering): the only file "set datei löschen" may delete.
  std::string setFilePath;
  std::string targetFolder;
  // Row i of the preview; pairs with an old name are the ones renamed.
  std::vector<RenamePair> pairing;

  Control& lv1;
  Control& rlog;

 private:
  void addExtensionList(const std::string& name, std::vector<std::string> entries);
  void logPreparation(int code);
  [[nodiscard]] std::vector<std::string> ownFilesIn(const std::string& folder,
                                                    const std::string& setFile) const;
  void showPreview();
  // Shows the pairing with its conflicts marked; the number marked.
  size_t showPreview(const std::vector<PairCheck>& checks);
  void clearPreview();
  void showApplied(const ApplyResult& result);
  [[nodiscard]] bool deleteSetFile();
  void leave(Tool tool);

  Session& session_;
  Desk& desk_;
  Control* anwd_ = nullptr;
  Control* rueck_ = nullptr;
  Control* sve_ = nullptr;
};

}  // namespace brimlet
