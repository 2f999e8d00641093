// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings.h"

namespace brimlet {
namespace {

using S = SettingsSection;

constexpr std::array<SettingInfo, kSettingCount> kSettings = {{
    {S::Brimlet, "sortieren\t\t\t = ", 0, "set_o"},
    {S::Brimlet, "alphab. b einzeln\t\t = ", 1, "set_alph"},
    {S::Brimlet, "leerz. b einlesen entf.\t\t = ", 1, "set_lza"},
    {S::Brimlet, "einstellung speichern\t\t = ", 0, "set_svset"},
    {S::Brimlet, "verzeichnis o. unterverzeichnis\t = ", 0, "set_sdir"},
    {S::Brimlet, "starte programm mit\t\t = ", 0, "set_start"},
    {S::Quorvel, "nur zählen\t\t\t = ", 0, "qvl_nuz"},
    {S::Quorvel, "case sensitive\t\t\t = ", 1, "qvl_case"},
    {S::Quorvel, "ganze zeile\t\t\t = ", 0, "qvl_entf_z"},
    {S::Quorvel, "incl zeilenumbruch\t\t = ", 0, "qvl_entf_u"},
    {S::Quorvel, "führende nullen\t\t\t = ", 0, "qvl_eaf0"},
    {S::Quorvel, "char von ersetzen\t\t = ", 0, "qvl_erst_c"},
    {S::Quorvel, "char nach ersetzen\t\t = ", 0, "qvl_erst_d"},
    {S::Quorvel, "zeilenanfang entfernen\t\t = ", 0, "qvl_enza"},
    {S::Quorvel, "sortieren down\t\t\t = ", 0, "qvl_srt_d"},
    {S::Quorvel, "sortieren binär\t\t\t = ", 0, "qvl_srt_b"},
    {S::Quorvel, "2 zeilen tauschen\t\t = ", 0, "qvl_zlta_2"},
    {S::Quorvel, "2 zeichen tauschen\t\t = ", 0, "qvl_zcta_2"},
    {S::Quorvel, "char von 1 ze entfernen\t\t = ", 0, "qvl_enze_chr"},
    {S::Quorvel, "char von einfügen\t\t = ", 0, "qvl_einf_chr"},
    {S::Quorvel, "zeilenanfang einfügen\t\t = ", 0, "qvl_einf_a"},
    {S::Quorvel, "einfügen ohne Leerzeilen\t = ", 0, "qvl_einf_olzl"},
    {S::Quorvel, "zeilennr ohne Leerzeichen\t = ", 0, "qvl_zlnr_olz"},
    {S::Quorvel, "zeilennr ohne Leerzeilen\t = ", 0, "qvl_zlnr_olzl"},
    {S::Quorvel, "text aus binär rigide\t\t = ", 0, "qvl_af_r"},
    {S::Quorvel, "2 zeilen m leerzeichen\t\t = ", 0, "qvl_2zz_lz"},
    {S::Quorvel, "char von 1 entfernen\t\t = ", 0, "qvl_entf_c"},
    {S::Quorvel, "char von kette entfernen\t = ", 0, "qvl_entf_h"},
    {S::Quorvel, "wildcart von kette entfernen\t = ", 0, "qvl_entf_w"},
    {S::Quorvel, "wildcart von ersetzen\t\t = ", 0, "qvl_erst_w"},
    {S::Quorvel, "behalten von wildcart\t\t = ", 0, "qvl_erst_b"},
    {S::Quorvel, "index sortiert\t\t = ", 1, "qvl_idx_sr"},
    {S::Quorvel, "index nur großbuchstaben\t = ", 0, "qvl_idx_gb"},
    {S::Quorvel, "index ohne zahlen\t\t = ", 0, "qvl_idx_oz"},
    {S::Quorvel, "index ohne bindestriche\t = ", 0, "qvl_idx_bs"},
    {S::Quorvel, "index mit anzahl\t\t = ", 1, "qvl_idx_az"},
    {S::Quorvel, "index mit 1. vorkommen\t\t = ", 0, "qvl_idx_ev"},
    {S::Quorvel, "VirtualDj SongLenth als Min\t = ", 0, "qvl_vdj_sl"},
    {S::Quorvel, "VirtualDj FileSize als MM\t = ", 0, "qvl_vdj_fs"},
    {S::Dremmick, "daten verwenden\t\t\t = ", 0, "drm_verw"},
    {S::Dremmick, "nummerierung\t\t\t = ", 0, "drm_nrg"},
    {S::Dremmick, "set datei löschen\t\t = ", 0, "drm_los"},
    {S::Dremmick, "ggfs vorh. Nummerierung entf.\t = ", 0, "drm_rnd_e"},
}};

}  // namespace

const SettingInfo& settingInfo(Setting setting) { return kSettings[static_cast<size_t>(setting)]; }

int firstSettingOf(SettingsSection section) {
  for (int i = 0; i < kSettingCount; ++i) {
    if (kSettings[static_cast<size_t>(i)].section == section) return i;
  }
  return kSettingCount;
}

int settingCountOf(SettingsSection section) {
  int count = 0;
  for (const auto& info : kSettings) count += info.section == section ? 1 : 0;
  return count;
}

bool settingForControl(std::string_view control, Setting& setting) {
  for (int i = 0; i < kSettingCount; ++i) {
    if (kSettings[static_cast<size_t>(i)].control == control) {
      setting = static_cast<Setting>(i);
      return true;
    }
  }
  return false;
}

Settings::Settings() {
  for (int i = 0; i < kSettingCount; ++i)
    values_[static_cast<size_t>(i)] = kSettings[static_cast<size_t>(i)].defaultValue;
}

void storeOption(Settings& settings, const Control& box) {
  Setting setting{};
  if (settingForControl(box.name(), setting)) settings[setting] = static_cast<int32_t>(box.value());
}

void loadOption(const Settings& settings, Control& box) {
  Setting setting{};
  if (settingForControl(box.name(), setting)) box.setValue(settings[setting]);
}

}  // namespace brimlet
