// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's small stores beside the working text: the replace fields'
// presets, the park buffers and the private clipboard buffers.
#include "core/clipboard.h"
#include "core/control_array.h"
#include "core/cp1252.h"
#include "core/number.h"
#include "workshop/workshop.h"

namespace brimlet {
namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kShiftCtrl = 3;
constexpr int kPcbCount = 4;
constexpr int kPresetButtons = 6;
constexpr std::string_view kStoresFrame = "Zwischenspeicher";

enum ParkEntry { kPark = 0, kRestore = 1, kShow = 2, kDelete = 3 };

}  // namespace

void Workshop::declareStores() {
  for (const int n : {1, 2}) {
    Control& list = addControl("qvl_parkb" + decimal(n), ControlKind::DropDown, "", kStoresFrame);
    list.setItems({"Parken" + decimal(n)});
  }
  addHandler("qvl_parkb1_Click", &Workshop::qvl_parkb1_Click);
  addHandler("qvl_parkb2_Click", &Workshop::qvl_parkb2_Click);

  // Under the two lists, one row per buffer: its fetch and put buttons.
  for (int k = 1; k <= kPcbCount; ++k) {
    addControl(elementName("pcb", k), ControlKind::Button, "v", kStoresFrame);
    addControl(elementName("pcb", k + kPcbCount), ControlKind::Button, "c", kStoresFrame);
  }
  addHandler("pcb_MouseDown", &Workshop::pcb_MouseDown);

  // Preset k's two buttons share a row, the first field's on the left.
  for (int k = 1; k <= 3; ++k) {
    addControl(elementName("perb", k), ControlKind::Button, "", kChainsFrame);
    addControl(elementName("perb", k + 3), ControlKind::Button, "", kChainsFrame);
  }
  addHandler("perb_MouseDown", &Workshop::perb_MouseDown);
}

void Workshop::qvl_parkb1_Click() { parkCommand(1); }

void Workshop::qvl_parkb2_Click() { parkCommand(2); }

void Workshop::parkCommand(int buffer) {
  Control& list = *findControl("qvl_parkb" + decimal(buffer));
  std::string& parked = parkBuffers[static_cast<size_t>(buffer - 1)];
  const std::string n = decimal(buffer);
  // Only the GUI's own entries count; a script may name a position the
  // list does not have yet.
  if (list.value() >= static_cast<int64_t>(list.items().size())) return;
  switch (list.value()) {
    case kPark:
      if (noDataCheck()) return;
      parked = working_.text();
      log("Daten in Zwischenspeicher " + n + " kopiert", LogMode::Line);
      if (list.items().size() == 1) {
        list.setItems({"Parken" + n, "Restore" + n, "Anzeigen" + n, cp("Löschen") + n});
      }
      break;
    case kRestore:
      working_.replaceKeepingUndo(parked);
      log("Daten aus Zwischenspeicher " + n + " wiederhergestellt", LogMode::Line);
      break;
    case kShow:
      desk_.showInDisplay({"Quorvel Anzeige Parken " + n, "", parked, false, true});
      break;
    case kDelete:
      parked.clear();
      parked.shrink_to_fit();
      list.setItems({"Parken" + n});
      list.setValue(0);
      log(cp("Daten aus Zwischenspeicher ") + n + cp(" gelöscht"), LogMode::Line);
      break;
    default:
      break;
  }
}

void Workshop::pcb_MouseDown(int index, int button) {
  if (index < 1 || index > 2 * kPcbCount) return;
  const bool fetch = index <= kPcbCount;
  const int k = fetch ? index : index - kPcbCount;
  std::string& buffer = pcbBuffers[static_cast<size_t>(k - 1)];
  if (button == kLeftButton && fetch) {
    if (std::optional<std::string> block = clipboardPaste(session_.platform, *this)) {
      buffer = std::move(*block);
    }
  } else if (button == kLeftButton) {
    if (putTextOnClipboard(session_.platform, *this, buffer)) {
      report(LogMode::Line, -1, "", "daten aus pcb " + decimal(k) + " ins clipboard kopiert");
    }
  } else if (button == kRightButton && fetch) {
    // A log line ends at a NUL, as the clipboard's text does.
    log(buffer.empty() ? "Kein Inhalt in pcb" + decimal(k) : buffer.substr(0, buffer.find('\0')),
        LogMode::Line);
  }
}

void Workshop::perb_MouseDown(int index, int button, int shift) {
  if (index < 1 || index > kPresetButtons) return;
  std::string& preset =
      session_.settings.remembered.replacePresets[static_cast<size_t>((index - 1) % 3)];
  Control& field = *findControl(index <= 3 ? "qvl_erst_e1" : "qvl_erst_e2");
  if (shift == kShiftCtrl) {
    preset.clear();
  } else if (button == kLeftButton) {
    if (!preset.empty()) field.setText(preset);
  } else if (button == kRightButton) {
    // The settings file keeps a preset on one line, cut at its first CR.
    if (field.text().find('\r') != std::string::npos) {
      log("vorgabe mit zeilenumbruch nicht gespeichert", LogMode::Line);
    } else if (!field.text().empty()) {
      preset = field.text();
    }
  }
}

}  // namespace brimlet
