// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/control.h"

namespace brimlet {

enum class SettingsSection { Brimlet, Quorvel, Dremmick };

// The 43 settings in settings-file order. Each is one digit in the file.
enum class Setting : int {
  // brimlet
  Sortieren,
  AlphabEinzeln,
  LeerzeichenBeimEinlesenEntfernen,
  EinstellungSpeichern,
  OhneUnterverzeichnisse,
  StarteProgrammMit,
  // quorvel
  NurZaehlen,
  CaseSensitive,
  GanzeZeile,
  InclZeilenumbruch,
  FuehrendeNullen,
  CharVonErsetzen,
  CharNachErsetzen,
  ZeilenanfangEntfernen,
  SortierenDown,
  SortierenBinaer,
  ZweiZeilenTauschen,
  ZweiZeichenTauschen,
  CharVonEinerZeileEntfernen,
  CharVonEinfuegen,
  ZeilenanfangEinfuegen,
  EinfuegenOhneLeerzeilen,
  ZeilennrOhneLeerzeichen,
  ZeilennrOhneLeerzeilen,
  TextAusBinaerRigide,
  ZweiZeilenMitLeerzeichen,
  CharVonEinsEntfernen,
  CharVonKetteEntfernen,
  WildcardVonKetteEntfernen,
  WildcardVonErsetzen,
  BehaltenVonWildcard,
  IndexSortiert,
  IndexNurGrossbuchstaben,
  IndexOhneZahlen,
  IndexOhneBindestriche,
  IndexMitAnzahl,
  IndexMitErstemVorkommen,
  VdjSongLengthAlsMinuten,
  VdjFileSizeAlsMegabyte,
  // dremmick
  DatenVerwenden,
  Nummerierung,
  SetDateiLoeschen,
  VorhandeneNummerierungEntfernen,
  Count
};

inline constexpr int kSettingCount = static_cast<int>(Setting::Count);

struct SettingInfo {
  SettingsSection section;
  std::string_view keyUtf8;  // key text before the value, tabs included
  int defaultValue;
  std::string_view control;  // the control that shows it ("" for none)
};

[[nodiscard]] const SettingInfo& settingInfo(Setting setting);
// Settings of one section in file order.
[[nodiscard]] int firstSettingOf(SettingsSection section);
[[nodiscard]] int settingCountOf(SettingsSection section);
// The setting a check box or option control stands for, if any.
[[nodiscard]] bool settingForControl(std::string_view control, Setting& setting);

// Strings kept behind the three sections of the settings file.
struct RememberedStrings {
  std::string textDatabaseFolder;             // "$$$"
  std::string defaultDatabaseFile;            // "§§§"
  std::array<std::string, 3> replacePresets;  // "¥¥1¥¥" .. "¥¥3¥¥"
};

class Settings {
 public:
  Settings();
  [[nodiscard]] int32_t operator[](Setting s) const { return values_[static_cast<size_t>(s)]; }
  int32_t& operator[](Setting s) { return values_[static_cast<size_t>(s)]; }
  [[nodiscard]] int32_t at(int index) const { return values_[static_cast<size_t>(index)]; }
  int32_t& at(int index) { return values_[static_cast<size_t>(index)]; }

  RememberedStrings remembered;

 private:
  std::array<int32_t, kSettingCount> values_{};
};

// Copies a check box's state into the setting it stands for (the whole job
// of an option's _Click), and back when the window loads. A box that stands
// for no setting is left alone.
void storeOption(Settings& settings, const Control& box);
void loadOption(const Settings& settings, Control& box);

}  // namespace brimlet
