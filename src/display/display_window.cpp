// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/display_window.h"

#include <algorithm>

#include "core/cp1252.h"
#include "display/display_search.h"
#include "display/field_text.h"

namespace brimlet {
namespace {

using keys::kAlt;
using keys::kCtrl;

// The hidden tool keys, and the keys of the handler's own.
std::vector<KeyStroke> toolKeysAnd(std::initializer_list<KeyStroke> own) {
  std::vector<KeyStroke> strokes = keysWith("TDZ", {kCtrl, kAlt});
  strokes.insert(strokes.end(), own);
  return strokes;
}

}  // namespace

DisplayWindow::DisplayWindow(Session& session, Desk& desk)
    : WindowModel("frm4", "Anzeige ", session.busy),
      show_result(addControl("show_result", ControlKind::RichText, "")),
      show_find(addControl("show_find", ControlKind::TextBox, "", "Suchen")),
      show_snan(addControl("show_snan", ControlKind::CheckBox, "ohne Teil von B", "Suchen")),
      qvl_snan(addControl("qvl_snan", ControlKind::CheckBox, "A ohne B", "Auswahl")),
      show_ubn(addControl("show_ubn", ControlKind::Button, "Ü&bernehmen", "Fenster")),
      session_(session),
      desk_(desk) {
  addControl("show_cont_b", ControlKind::Button, "<< &Zurück", "Suchen");
  addControl("show_cont_f", ControlKind::Button, "&Weiter >>", "Suchen");
  addControl("show_sel", ControlKind::Button, "&Nächste Auswahl", "Auswahl");
  addControl("show_insel", ControlKind::Button, "Auswahl &merken", "Auswahl");
  addControl("show_isel", ControlKind::Button, "Auf Auswahl &reduzieren", "Auswahl");
  addControl("show_clear", ControlKind::Button, "&Leeren", "Text");
  addControl("show_reset", ControlKind::Button, "&Arbeitstext", "Text");
  addControl("show_undo", ControlKind::Button, "&Undo", "Text");
  addControl("show_undo2", ControlKind::Button, "&Original", "Text");
  addControl("show_cls", ControlKind::Button, "&Schließen", "Fenster");

  addHandler("frm4_Close", &DisplayWindow::frm4_Close);
  addKeyHandler("frm4_KeyDown", &DisplayWindow::frm4_KeyDown,
                toolKeysAnd({{keys::kEscape, keys::kNone}}));
  addHandler("frm4_MouseDown", &DisplayWindow::frm4_MouseDown);
  addHandler("show_ubn_Click", &DisplayWindow::show_ubn_Click);
  addHandler("show_cls_Click", &DisplayWindow::show_cls_Click);
  addHandler("show_cont_b_Click", &DisplayWindow::show_cont_b_Click);
  addHandler("show_cont_f_Click", &DisplayWindow::show_cont_f_Click);
  addHandler("show_find_Change", &DisplayWindow::show_find_Change);
  addKeyHandler("show_find_KeyDown", &DisplayWindow::show_find_KeyDown,
                toolKeysAnd({{keys::kReturn, keys::kNone}, {keys::kReturn, keys::kShift}}));
  addHandler("show_result_Change", &DisplayWindow::show_result_Change);
  addKeyHandler("show_result_KeyDown", &DisplayWindow::show_result_KeyDown, toolKeysAnd({}));
  addHandler("show_result_MouseDown", &DisplayWindow::show_result_MouseDown);
  addHandler("show_result_SelChange", &DisplayWindow::show_result_SelChange);
  addHandler("show_insel_Click", &DisplayWindow::show_insel_Click);
  addHandler("show_sel_Click", &DisplayWindow::show_sel_Click);
  addHandler("show_isel_Click", &DisplayWindow::show_isel_Click);
  addHandler("show_clear_Click", &DisplayWindow::show_clear_Click);
  addHandler("show_reset_Click", &DisplayWindow::show_reset_Click);
  addHandler("show_undo_Click", &DisplayWindow::show_undo_Click);
  addHandler("show_undo2_Click", &DisplayWindow::show_undo2_Click);
  addHandler("show_snan_Click", &DisplayWindow::show_snan_Click);
  addHandler("qvl_snan_Click", &DisplayWindow::qvl_snan_Click);
  declareTools();
}

void DisplayWindow::setControlsVisible(bool visible, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (Control* control = findControl(name)) control->setVisible(visible);
  }
}

void DisplayWindow::setControlsEnabled(bool enabled, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (Control* control = findControl(name)) control->setEnabled(enabled);
  }
}

void DisplayWindow::open(const DisplayContent& content) {
  window().setVisible(true);
  setControlsVisible(
      content.tools,
      {"show_fr1",         "show_clear",  "show_reset", "show_isel",   "show_sel",    "show_undo",
       "show_undo2",       "show_find",   "show_cnt",   "show_cnt_e",  "show_cont_b", "show_cont_f",
       "show_insel",       "show_az",     "show_az_nr", "show_649_cb", "qvl_angr_ds", "qvl_pwd_aT",
       "qvl_pwd_anz",      "show_rtftxt", "lbl62",      "qvl_pwd_k4",  "qvl_pwd_k3",  "qvl_pwd_k0",
       "qvl_pwd_autoundo", "show_snan"});
  // The tool frames go with the tools; the tools the hidden keys enable come
  // back with them too, so one opening without tools does not lose them.
  for (const auto& control : controls()) {
    if (isToolFrame(control->frame())) control->setVisible(content.tools);
  }
  window().touch();
  searchPosition_ = 0;
  retitle({content.title, content.editedTitle});
  window().setText(title_);
  show_ubn.setVisible(content.applyButton);
  setFieldText(content.text);
  show_result.setSelection(0, 0);
}

void DisplayWindow::retitle(const DisplayTitles& titles) {
  title_ = titles.title;
  editedTitle_ = titles.editedTitle;
}

void DisplayWindow::hide() {
  if (!window().visible()) return;
  window().setVisible(false);
  show_result.setText({});
}

void DisplayWindow::setFieldText(std::string_view text) {
  show_result.setText(withCrLfLineEnds(text));
}

void DisplayWindow::frm4_Close() {
  if (!session_.shuttingDown) show_cls_Click();
}

void DisplayWindow::frm4_KeyDown(int keyCode, int shift) {
  if (keyCode == keys::kEscape && shift == keys::kNone) {
    show_cls_Click();
    return;
  }
  if (keyCode != 'T' && keyCode != 'D' && keyCode != 'Z') return;
  if (shift != kCtrl && shift != kAlt) return;
  setControlsEnabled(shift == kCtrl, {"show_azmt_z", "show_azmt", "show_email"});
}

void DisplayWindow::show_find_KeyDown(int keyCode, int shift) {
  // As in a find bar: Enter finds the next hit, Shift+Enter the one before.
  if (keyCode == keys::kReturn && shift == keys::kNone) {
    show_cont_f_Click();
    return;
  }
  if (keyCode == keys::kReturn && shift == keys::kShift) {
    show_cont_b_Click();
    return;
  }
  if (session_.workshopShown) frm4_KeyDown(keyCode, shift);
}

void DisplayWindow::show_result_KeyDown(int keyCode, int shift) {
  if (session_.workshopShown) frm4_KeyDown(keyCode, shift);
}

void DisplayWindow::frm4_MouseDown(int button) {
  if (button != 2) return;
  switch (session_.platform.popupMenu(cp("Übernehmen|-|Undo"))) {
    case 0:
      show_ubn_Click();
      break;
    case 2:
      show_undo_Click();
      break;
    default:
      break;
  }
}

void DisplayWindow::show_ubn_Click() {
  if (desk_.applyDisplayText(fieldText())) window().setText(title_);
}

void DisplayWindow::show_cls_Click() {
  window().setVisible(false);
  show_result.setText({});
  toolReset(0);
  undoCopy_.clear();
  show_result.setSelection(0, 0);
  selectText_.clear();
  searchText_.clear();
  show_find.setText({});
  desk_.displayClosed();
}

void DisplayWindow::search(bool forward) {
  const std::string& text = fieldText();
  if (show_snan.value() != 0) {
    const auto found = exclusionSearch(text, searchText_, searchPosition_, forward);
    if (!found) return;
    searchPosition_ = found->searchPosition;
    if (found->selection) {
      show_result.setSelection(found->selection->start, found->selection->length);
    } else {
      show_result.setSelection(found->caret, 0);
    }
    return;
  }
  if (searchText_.empty()) return;
  searchPosition_ = show_result.selectionStart();
  if (const auto hit = searchField(text, searchText_, searchPosition_, forward)) {
    show_result.setSelection(hit->start, hit->length);
  }
}

void DisplayWindow::show_cont_b_Click() { search(false); }

void DisplayWindow::show_cont_f_Click() { search(true); }

void DisplayWindow::show_find_Change() {
  searchText_ = show_find.text();
  selectText_ = searchText_;
}

// Only a text that can go back to its tool is marked as edited.
void DisplayWindow::show_result_Change() {
  if (show_ubn.visible() && !editedTitle_.empty()) window().setText(editedTitle_);
}

void DisplayWindow::show_result_MouseDown() { searchPosition_ = show_result.selectionStart(); }

// Only the positions are taken: the field may hold typed text that reaches
// the model later, and the selected text is read from it when it is needed.
void DisplayWindow::show_result_SelChange(int start, int length) {
  show_result.setSelection(std::max(start, 0), std::max(length, 0));
}

std::string DisplayWindow::selectedText() const {
  const std::string& text = fieldText();
  const int64_t from = fieldToByte(text, show_result.selectionStart());
  const int64_t to =
      fieldToByte(text, show_result.selectionStart() + show_result.selectionLength());
  return text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from));
}

void DisplayWindow::show_insel_Click() { selectText_ = selectedText(); }

void DisplayWindow::show_sel_Click() {
  if (const auto hit = selectNext(fieldText(), selectText_, show_result.selectionStart())) {
    show_result.setSelection(hit->start, hit->length);
    show_result.touch();  // the field takes the focus so the selection shows
  }
}

void DisplayWindow::keepFieldAsUndo() {
  // Copied first: a copy that runs out of memory must find nothing changed,
  // or the failed tool would put an emptied undo copy into the field.
  std::string copy = fieldText();
  if (!toolOpen_) replacedUndo_ = std::move(undoCopy_);
  toolOpen_ = true;
  undoCopy_ = std::move(copy);
}

void DisplayWindow::toolEnded() {
  replacedUndo_ = std::string();
  toolOpen_ = false;
}

void DisplayWindow::toolFailed() {
  if (toolOpen_) {
    setFieldText(undoCopy_);
    undoCopy_ = std::move(replacedUndo_);
  }
  toolEnded();
}

void DisplayWindow::replaceByTool(std::string_view text) {
  keepFieldAsUndo();
  setFieldText(text);
  toolReset(0);
}

void DisplayWindow::show_isel_Click() {
  if (selectText_.empty()) return;
  replaceByTool(selectedText());
}

void DisplayWindow::show_clear_Click() { replaceByTool({}); }

void DisplayWindow::show_reset_Click() { replaceByTool(desk_.workingText()); }

void DisplayWindow::show_undo_Click() {
  if (session_.workshopShown) {
    setFieldText(undoCopy_);
    toolReset(99);
  } else {
    setFieldText(desk_.processedList());
  }
}

void DisplayWindow::show_undo2_Click() {
  if (session_.workshopShown) {
    setFieldText(desk_.workingText());
    toolReset(99);
  } else {
    setFieldText(desk_.processedList());
  }
}

// The two check boxes are one switch shown twice.
void DisplayWindow::show_snan_Click() { qvl_snan.setValue(show_snan.value()); }

void DisplayWindow::qvl_snan_Click() { show_snan.setValue(qvl_snan.value()); }

void DisplayWindow::toolReset(int mode) {
  if (mode < 99) toolResultMode_ = mode;
  setControlsEnabled(false, {"qvl_angr_sv", "qvl_acr_cp", "qvl_pwd_cp"});
  if (toolResultMode_ % 2 == 0) setControlsEnabled(false, {"qvl_angr_zf"});
}

}  // namespace brimlet
