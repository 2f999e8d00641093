// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "core/cp1252.h"
#include "core/number.h"
#include "display/display_window.h"
#include "display/lotto_numbers.h"

namespace brimlet {

bool DisplayWindow::isToolFrame(std::string_view frame) {
  const auto tools = {"Werkzeuge", "Anagramme", "Akronym", "Passwörter"};
  return std::any_of(tools.begin(), tools.end(),
                     [frame](const char* tool) { return cp(tool) == frame; });
}

void DisplayWindow::declareTools() {
  addControl("show_az", ControlKind::Button, "Zeilen mit Su&chtext", "Werkzeuge");
  addControl("show_az_nr", ControlKind::CheckBox, "mit Zeilennummer", "Werkzeuge");
  addControl("show_azmt", ControlKind::Button, "Trans&ferlog", "Werkzeuge");
  addControl("show_azmt_z", ControlKind::CheckBox, "ganze Zeile", "Werkzeuge");
  addControl("show_email", ControlKind::Button, "&E-Mail-Adressen", "Werkzeuge");
  addControl("show_cnt", ControlKind::Button, "Byte-Pos&ition", "Werkzeuge");
  addControl("show_cnt_e", ControlKind::TextBox, "", "Werkzeuge");
  addControl("show_rtftxt", ControlKind::Button, "RTF zu Te&xt", "Werkzeuge");
  addControl("show_649_cb", ControlKind::DropDown, "", "Werkzeuge");
  addControl("qvl_angr_x", ControlKind::TextBox, "", "Anagramme").setText("5");
  addControl("qvl_angr", ControlKind::Button, "Ana&gramme", "Anagramme");
  addControl("qvl_angr_ds", ControlKind::CheckBox, "direkt speichern", "Anagramme");
  addControl("qvl_angr_zf", ControlKind::Button, "Zufall &1", "Anagramme");
  addControl("qvl_angr_sv", ControlKind::Button, "Speic&hern", "Anagramme");
  addControl("qvl_anvg", ControlKind::Button, "Anagramm &prüfen", "Anagramme");
  addControl("qvl_acr", ControlKind::Button, "A&kronym", "Akronym");
  addControl("qvl_acr_z", ControlKind::CheckBox, "mit Ziffern", "Akronym");
  addControl("qvl_acr_cp", ControlKind::Button, "Kopieren &2", "Akronym");
  addControl("lbl62", ControlKind::Label, "Länge, Anzahl:", "Passwörter");
  addControl("qvl_pwd_x", ControlKind::TextBox, "", "Passwörter").setText("12");
  addControl("qvl_pwd_anz", ControlKind::TextBox, "", "Passwörter").setText("10");
  addControl("qvl_pwd_k4", ControlKind::OptionButton, "alle 4 Klassen", "Passwörter");
  addControl("qvl_pwd_k3", ControlKind::OptionButton, "3 Klassen", "Passwörter").setValue(1);
  addControl("qvl_pwd_k0", ControlKind::OptionButton, "beliebig", "Passwörter");
  addControl("qvl_pwd_aT", ControlKind::CheckBox, "aus Vorlage", "Passwörter");
  addControl("qvl_pwd_autoundo", ControlKind::CheckBox, "Auto-Undo", "Passwörter").setValue(1);
  addControl("qvl_pwd", ControlKind::Button, "&Vorschlagen", "Passwörter");
  addControl("qvl_pwd_cp", ControlKind::Button, "Kopieren &3", "Passwörter");
  // The address tools wait for the hidden keys; the result buttons for a result.
  setControlsEnabled(false, {"show_azmt", "show_azmt_z", "show_email", "qvl_angr_zf", "qvl_angr_sv",
                             "qvl_acr_cp", "qvl_pwd_cp", "show_undo2"});

  addHandler("show_az_Click", &DisplayWindow::show_az_Click);
  addHandler("show_azmt_Click", &DisplayWindow::show_azmt_Click);
  addHandler("show_email_Click", &DisplayWindow::show_email_Click);
  addHandler("show_cnt_Click", &DisplayWindow::show_cnt_Click);
  addHandler("show_rtftxt_Click", &DisplayWindow::show_rtftxt_Click);
  addHandler("show_649_cb_Click", &DisplayWindow::show_649_cb_Click);
  addHandler("qvl_angr_Click", &DisplayWindow::qvl_angr_Click);
  addHandler("qvl_angr_zf_Click", &DisplayWindow::qvl_angr_zf_Click);
  addHandler("qvl_angr_sv_Click", &DisplayWindow::qvl_angr_sv_Click);
  addHandler("qvl_anvg_Click", &DisplayWindow::qvl_anvg_Click);
  addHandler("qvl_acr_Click", &DisplayWindow::qvl_acr_Click);
  addHandler("qvl_acr_cp_Click", &DisplayWindow::qvl_acr_cp_Click);
  addHandler("qvl_pwd_Click", &DisplayWindow::qvl_pwd_Click);
  addHandler("qvl_pwd_cp_Click", &DisplayWindow::qvl_pwd_cp_Click);
  addHandler("qvl_pwd_autoundo_Click", &DisplayWindow::qvl_pwd_autoundo_Click);

  // The option controls only hand their state to the tools.
  const auto flag = [this](const char* name, bool ToolOptions::*option) {
    addHandler(std::string(name) + "_Click",
               [this, name, option] { options_.*option = tool(name).value() != 0; });
  };
  flag("show_az_nr", &ToolOptions::lineNumbers);
  flag("show_azmt_z", &ToolOptions::wholeLine);
  flag("qvl_angr_ds", &ToolOptions::directSave);
  flag("qvl_acr_z", &ToolOptions::acronymDigits);
  flag("qvl_pwd_aT", &ToolOptions::passwordTemplate);
  const auto number = [this](const char* name, int ToolOptions::*option, int low, int high) {
    addHandler(std::string(name) + "_Change", [this, name, option, low, high] {
      options_.*option = std::clamp<int>(integerValue(tool(name).text()), low, high);
    });
  };
  number("qvl_angr_x", &ToolOptions::maxAnagramLength, 3, 10);
  number("qvl_pwd_x", &ToolOptions::passwordLength, 7, 256);
  number("qvl_pwd_anz", &ToolOptions::passwordCount, 1, 99999);
  const auto classRule = [this](const char* name, int rule) {
    addHandler(std::string(name) + "_Click", [this, name, rule] {
      // Option buttons of one frame exclude each other.
      for (const char* option : {"qvl_pwd_k4", "qvl_pwd_k3", "qvl_pwd_k0"}) {
        tool(option).setValue(std::string_view(option) == name ? 1 : 0);
      }
      options_.classRule = rule;
    });
  };
  classRule("qvl_pwd_k4", 4);
  classRule("qvl_pwd_k3", 3);
  classRule("qvl_pwd_k0", 1);
}

void DisplayWindow::frm4_Load() {
  tool("show_649_cb")
      .setItems({"asc mod", "asc qs", "bs mod", "bs qs", "za mod", "za qs", "6/49 alle", "zufall 1",
                 "zufall 6"});
  tool("show_649_cb").setValue(static_cast<int>(NumberRule::All));
}

void DisplayWindow::qvl_pwd_autoundo_Click() {
  options_.autoUndo = tool("qvl_pwd_autoundo").value() != 0;
  setControlsEnabled(!options_.autoUndo, {"show_undo2"});
}

}  // namespace brimlet
