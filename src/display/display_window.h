// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The display window `frm4`: shows a text of one of the tools in an
// editable field, searches and selects in it, keeps its own undo copy and
// hands an edited text back to the tool that showed it. The field's text,
// caret and selection live here, so the searches run the same with or
// without a window.
class DisplayWindow : public WindowModel {
 public:
  DisplayWindow(Session& session, Desk& desk);

  // Shows the window with `content`, tools shown or hidden, search position 0.
  void open(const DisplayContent& content);
  // The titles of the text the window shows, as it is named now.
  void retitle(const DisplayTitles& titles);
  // Closes the window and empties its field, as every window switch does.
  void hide();
  // Puts a text into the field (line ends become CR LF).
  void setFieldText(std::string_view text);
  [[nodiscard]] const std::string& fieldText() const { return show_result.text(); }

  // The end of a handler: a tool's result and undo copy stand, or, when it
  // failed, the field and undo copy go back to how they were before it.
  void toolEnded();
  void toolFailed();

  void frm4_Close();
  void frm4_KeyDown(int keyCode, int shift);
  void frm4_MouseDown(int button);
  void show_ubn_Click();
  void show_cls_Click();
  void show_cont_b_Click();
  void show_cont_f_Click();
  void show_find_Change();
  void show_find_KeyDown(int keyCode, int shift);
  void show_result_Change();
  void show_result_KeyDown(int keyCode, int shift);
  void show_result_MouseDown();
  void show_result_SelChange(int start, int length);
  void show_insel_Click();
  void show_sel_Click();
  void show_isel_Click();
  void show_clear_Click();
  void show_reset_Click();
  void show_undo_Click();
  void show_undo2_Click();
  void show_snan_Click();
  void qvl_snan_Click();
  void qvl_pwd_autoundo_Click();

  // The tools that derive a text from the field's.
  void frm4_Load();
  void show_az_Click();
  void show_azmt_Click();
  void show_email_Click();
  void show_cnt_Click();
  void show_rtftxt_Click();
  void show_649_cb_Click();

  // The word tools: anagrams, acronym, passwords.
  void qvl_angr_Click();
  void qvl_angr_zf_Click();
  void qvl_angr_sv_Click();
  void qvl_anvg_Click();
  void qvl_acr_Click();
  void qvl_acr_cp_Click();
  void qvl_pwd_Click();
  void qvl_pwd_cp_Click();

  Control& show_result;
  Control& show_find;
  Control& show_snan;
  Control& qvl_snan;
  Control& show_ubn;

 private:
  void search(bool forward);
  // The remembered selection: whatever is selected in the field.
  [[nodiscard]] std::string selectedText() const;
  // Replaces the field's text by a tool's result, keeping the old text in
  // the display undo copy.
  void replaceByTool(std::string_view text);
  // Copies the field's text into the undo copy before a tool works on it.
  // The copy it replaces stays until the handler has ended, in case the
  // tool runs out of memory.
  void keepFieldAsUndo();
  // Run after every tool that replaces the text; mode 99 keeps the stored
  // result mode.
  void toolReset(int mode);
  void setControlsVisible(bool visible, std::initializer_list<const char*> names);
  void setControlsEnabled(bool enabled, std::initializer_list<const char*> names);
  // The tool controls and their option handlers (the option values live
  // in `options_`).
  void declareTools();
  [[nodiscard]] static bool isToolFrame(std::string_view frame);
  // A control the tools declared.
  [[nodiscard]] Control& tool(std::string_view name) const { return *findControl(name); }
  // What the number tool and the password template read: the field's text,
  // or with the auto-undo option the visible tool's own text.
  [[nodiscard]] const std::string& sourceText();
  [[nodiscard]] std::optional<std::string> askAnagramFile();
  void writeAnagramFile(const std::string& path, std::string_view bytes);

  Session& session_;
  Desk& desk_;
  std::string title_;
  std::string editedTitle_;
  std::string searchText_;
  std::string selectText_;
  std::string undoCopy_;
  std::string replacedUndo_;
  bool toolOpen_ = false;
  int64_t searchPosition_ = 0;
  int toolResultMode_ = 0;

  struct ToolOptions {
    bool lineNumbers = false;
    bool wholeLine = false;
    bool autoUndo = true;
    int maxAnagramLength = 5;
    bool directSave = false;
    bool acronymDigits = false;
    int passwordLength = 12;
    int passwordCount = 10;
    int classRule = 3;
    bool passwordTemplate = false;
  } options_;
  std::string passwords_;
};

}  // namespace brimlet
