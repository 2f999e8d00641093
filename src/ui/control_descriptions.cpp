// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_descriptions.h"

#include <QRegularExpression>
#include <QWidget>
#include <string_view>

#include "core/control_array.h"
#include "ui/codec.h"

namespace brimlet {
namespace {

struct Entry {
  std::string_view form;
  std::string_view name;
  const char* label;  // UTF-8, as these texts never reach the data
  const char* tip;
};

// clang-format off
constexpr Entry kEntries[] = {
    {"frm1", "zlog", "Log", ""},
    {"frm1", "STBF", "Status", ""},
    {"frm1", "PRBF", "Fortschritt", ""},

    {"frm8", "clog", "Log", ""},
    {"frm8", "STBC", "Status", ""},
    {"frm8", "PRBC", "Fortschritt", ""},
    {"frm8", "qvl_srt_x", "Spalte:", "Spalte, ab der jede Zeile verglichen wird (leer oder 0: 1)"},
    {"frm8", "qvl_erst_e1", "von:",
     "Die zu ersetzende Kette.\n"
     "Mit „von als Codes“ Zeichencodes, jeder mit „-“ abgeschlossen: 13-10- ist ein Zeilenende, "
     "65 allein ein A.\n"
     "Mit „von mit Wildcard“ Anfang<<<>>>Ende, mindestens 8 Zeichen, z. B. <b><<<>>></b>."},
    {"frm8", "qvl_erst_e2", "nach:",
     "Der Ersatz.\n"
     "Mit „nach als Codes“ Zeichencodes wie 13-10-.\n"
     "Mit „Wildcard behalten“ steht <<<>>> für den gefundenen Mittelteil, z. B. [<<<>>>]."},
    {"frm8", "perb(1)", "Vorlage 1 für von",
     "Setzt Vorlage 1 in „von“ ein. Rechtsklick: „von“ als Vorlage 1 merken, "
     "Strg+Umschalt+Klick: Vorlage leeren."},
    {"frm8", "perb(2)", "Vorlage 2 für von",
     "Setzt Vorlage 2 in „von“ ein. Rechtsklick: „von“ als Vorlage 2 merken, "
     "Strg+Umschalt+Klick: Vorlage leeren."},
    {"frm8", "perb(3)", "Vorlage 3 für von",
     "Setzt Vorlage 3 in „von“ ein. Rechtsklick: „von“ als Vorlage 3 merken, "
     "Strg+Umschalt+Klick: Vorlage leeren."},
    {"frm8", "perb(4)", "Vorlage 1 für nach",
     "Setzt Vorlage 1 in „nach“ ein. Rechtsklick: „nach“ als Vorlage 1 merken, "
     "Strg+Umschalt+Klick: Vorlage leeren."},
    {"frm8", "perb(5)", "Vorlage 2 für nach",
     "Setzt Vorlage 2 in „nach“ ein. Rechtsklick: „nach“ als Vorlage 2 merken, "
     "Strg+Umschalt+Klick: Vorlage leeren."},
    {"frm8", "perb(6)", "Vorlage 3 für nach",
     "Setzt Vorlage 3 in „nach“ ein. Rechtsklick: „nach“ als Vorlage 3 merken, "
     "Strg+Umschalt+Klick: Vorlage leeren."},
    {"frm8", "qvl_enze_e", "Zeichen:",
     "Zeichen oder Kette, die am Zeilenrand entfernt wird; mit „als Code“ die Nummer eines "
     "Zeichens (32: Leerzeichen)"},
    {"frm8", "qvl_enzz_z", "Anzahl:", "Zahl der Zeichen, die jede Zeile verliert"},
    {"frm8", "qvl_entf_e", "Zeichen:",
     "Das zu entfernende Zeichen; mit „als Code“ seine Nummer (9: Tabulator)"},
    {"frm8", "qvl_entf_a", "ab:",
     "Anfang der aufsteigenden Zahlenfolge, wahlweise mit einem Zeichen davor, z. B. #1"},
    {"frm8", "qvl_eaz_z", "Text:", "Jede Zeile wird ab diesem Text abgeschnitten"},
    {"frm8", "qvl_einf_e", "Text:", "Der einzufügende Text; mit „als Code“ die Nummer eines Zeichens"},
    {"frm8", "qvl_zlnr_e", "Vorlage:",
     "Ihre Länge ist die Mindestbreite der Nummern, ihr Wert der Versatz: "
     "000 zählt 001, 002, …; 100 zählt ab 101"},
    {"frm8", "qvl_abf_x", "Breite:", "Zeilenbreite der Absätze in Zeichen, mindestens 20"},
    {"frm8", "qvl_af_cb", "Art:", ""},
    {"frm8", "qvl_parkb1", "Parken 1", ""},
    {"frm8", "qvl_parkb2", "Parken 2", ""},
    {"frm8", "pcb", "Puffer %1 holen",
     "Die Zwischenablage in den privaten Puffer %1 holen (Rechtsklick: Inhalt ins Log)"},
    {"frm8", "pcb(5)", "Puffer 1 kopieren", "Den privaten Puffer 1 in die Zwischenablage kopieren"},
    {"frm8", "pcb(6)", "Puffer 2 kopieren", "Den privaten Puffer 2 in die Zwischenablage kopieren"},
    {"frm8", "pcb(7)", "Puffer 3 kopieren", "Den privaten Puffer 3 in die Zwischenablage kopieren"},
    {"frm8", "pcb(8)", "Puffer 4 kopieren", "Den privaten Puffer 4 in die Zwischenablage kopieren"},

    {"frm7", "lv1", "Dateien", ""},
    {"frm7", "rlog", "Log", ""},
    {"frm7", "drm_zaud", "Audio", ""},
    {"frm7", "drm_zgra", "Grafik", ""},
    {"frm7", "drm_zvid", "Video", ""},
    {"frm7", "drm_ztex", "Text", ""},
    {"frm7", "drm_zed", "Eigene:", "Eigene Endung mit Punkt, z. B. .txt"},
    {"frm7", "drm_vers", "Vorlage", ""},

    {"frm4", "show_result", "Text", ""},
    {"frm4", "show_find", "Suchen:",
     "Enter: nächster Treffer, Umschalt+Enter: voriger.\n"
     "<<<65 sucht das Zeichen mit dem Code 65, <<<z die nächste Ziffer.\n"
     "Mit „ohne Teil von B“: A, Zeilenumbruch, B – findet A außerhalb von B."},
    {"frm4", "show_cnt_e", "Byte-Position", ""},
    {"frm4", "show_649_cb", "Werkzeug", ""},
    {"frm4", "qvl_angr_x", "Länge:", "Höchste Wortlänge für Anagramme, 3 bis 10"},
    {"frm4", "qvl_pwd_x", "Länge", ""},
    {"frm4", "qvl_pwd_anz", "Anzahl", ""},

    {"frm2", "ed_t", "Gruppenname %1", ""},
    {"frm2", "ed_e", "Endungen %1", "Endungen mit Punkt und je einem + dahinter, z. B. .mp3+.flac+"},
    {"frm2", "ed_c", "Gruppe %1 wählen", ""},
    {"frm6", "lwb_ed", "Neuer Zeilenanfang", "Bis einschließlich zum ersten Doppelpunkt, z. B. D:"},
};
// clang-format on

const Entry* find(std::string_view form, std::string_view name) {
  for (const Entry& entry : kEntries) {
    if (entry.form == form && entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace

QString withoutAccelerator(const QString& caption) {
  QString plain;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    // "&&" is a literal "&".
    if (caption[i] == QLatin1Char('&') && ++i == caption.size()) break;
    plain += caption[i];
  }
  return plain;
}

ControlDescription describeControl(const std::string& form, const std::string& name) {
  if (const Entry* own = find(form, name)) {
    return {QString::fromUtf8(own->label), QString::fromUtf8(own->tip)};
  }
  const std::optional<ArrayElement> element = arrayElementOf(name);
  if (!element) return {};
  const Entry* array = find(form, element->array);
  if (array == nullptr) return {};
  const QString index = QString::number(element->index);
  auto filled = [&index](const char* text) {
    QString filledIn = QString::fromUtf8(text);
    return filledIn.replace(QStringLiteral("%1"), index);
  };
  return {filled(array->label), filled(array->tip)};
}

QString accessibleNameOf(const std::string& form, const Control& control) {
  const QString label = describeControl(form, control.name()).label;
  if (!label.isEmpty()) return withoutAccelerator(label).remove(QRegularExpression(":$"));
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Label:
      if (!control.text().empty()) return withoutAccelerator(toQString(control.text()));
      break;
    default:
      break;
  }
  return toQString(control.frame());
}

void describeWidget(QWidget& widget, const std::string& form, const Control& control) {
  const ControlDescription description = describeControl(form, control.name());
  if (!description.tip.isEmpty()) widget.setToolTip(description.tip);
  // A caption the model changes later is read by the screen reader as it
  // is then, so only the names that do not come from a caption are fixed.
  const bool captioned = control.kind() != ControlKind::TextBox &&
                         control.kind() != ControlKind::DropDown && !control.text().empty();
  if (!description.label.isEmpty() || !captioned) {
    widget.setAccessibleName(accessibleNameOf(form, control));
  }
}

}  // namespace brimlet
