// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_file.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"

namespace brimlet {
namespace {

// The file as the program writes it with every default, typed out by hand.
const std::string kDefaultFile =
    cp("brimlet\r\n"
       "sortieren\t\t\t = 0\r\n"
       "alphab. b einzeln\t\t = 1\r\n"
       "leerz. b einlesen entf.\t\t = 1\r\n"
       "einstellung speichern\t\t = 0\r\n"
       "verzeichnis o. unterverzeichnis\t = 0\r\n"
       "starte programm mit\t\t = 0\r\n"
       "\r\n"
       "quorvel\r\n"
       "nur zählen\t\t\t = 0\r\n"
       "case sensitive\t\t\t = 1\r\n"
       "ganze zeile\t\t\t = 0\r\n"
       "incl zeilenumbruch\t\t = 0\r\n"
       "führende nullen\t\t\t = 0\r\n"
       "char von ersetzen\t\t = 0\r\n"
       "char nach ersetzen\t\t = 0\r\n"
       "zeilenanfang entfernen\t\t = 0\r\n"
       "sortieren down\t\t\t = 0\r\n"
       "sortieren binär\t\t\t = 0\r\n"
       "2 zeilen tauschen\t\t = 0\r\n"
       "2 zeichen tauschen\t\t = 0\r\n"
       "char von 1 ze entfernen\t\t = 0\r\n"
       "char von einfügen\t\t = 0\r\n"
       "zeilenanfang einfügen\t\t = 0\r\n"
       "einfügen ohne Leerzeilen\t = 0\r\n"
       "zeilennr ohne Leerzeichen\t = 0\r\n"
       "zeilennr ohne Leerzeilen\t = 0\r\n"
       "text aus binär rigide\t\t = 0\r\n"
       "2 zeilen m leerzeichen\t\t = 0\r\n"
       "char von 1 entfernen\t\t = 0\r\n"
       "char von kette entfernen\t = 0\r\n"
       "wildcart von kette entfernen\t = 0\r\n"
       "wildcart von ersetzen\t\t = 0\r\n"
       "behalten von wildcart\t\t = 0\r\n"
       "index sortiert\t\t = 1\r\n"
       "index nur großbuchstaben\t = 0\r\n"
       "index ohne zahlen\t\t = 0\r\n"
       "index ohne bindestriche\t = 0\r\n"
       "index mit anzahl\t\t = 1\r\n"
       "index mit 1. vorkommen\t\t = 0\r\n"
       "VirtualDj SongLenth als Min\t = 0\r\n"
       "VirtualDj FileSize als MM\t = 0\r\n"
       "\r\n"
       "dremmick\r\n"
       "daten verwenden\t\t\t = 0\r\n"
       "nummerierung\t\t\t = 0\r\n"
       "set datei löschen\t\t = 0\r\n"
       "ggfs vorh. Nummerierung entf.\t = 0\r\n");

TEST(SettingsFile, DefaultsAreWrittenByteForByte) {
  EXPECT_EQ(settingsFileText(Settings{}), kDefaultFile);
}

TEST(SettingsFile, WriteReadWriteGivesTheSameFile) {
  Settings changed;
  for (int i = 0; i < kSettingCount; ++i) changed.at(i) = (i * 7) % 10;
  changed.remembered.textDatabaseFolder = "/home/u/db/";
  changed.remembered.replacePresets[1] = cp("ä=>b");
  const std::string first = settingsFileText(changed);

  Settings reread;
  parseSettingsFile(first, reread);
  for (int i = 0; i < kSettingCount; ++i) EXPECT_EQ(reread.at(i), changed.at(i)) << i;
  EXPECT_EQ(reread.remembered.textDatabaseFolder, "/home/u/db/");
  EXPECT_EQ(reread.remembered.replacePresets[1], cp("ä=>b"));
  EXPECT_EQ(reread.remembered.defaultDatabaseFile, "");
  EXPECT_EQ(settingsFileText(reread), first);
  EXPECT_NE(first.find(cp("¥¥2¥¥ä=>b¥¥2¥¥\r\n")), std::string::npos);
  EXPECT_EQ(first.find("$$$/home/u/db/$$$\r\n"), kDefaultFile.size());
  EXPECT_EQ(first.find(cp("§§§")), std::string::npos);  // empty strings get no line
}

TEST(SettingsFile, ValuesGoByPositionAndLastCharacter) {
  Settings s;
  parseSettingsFile(
      "brimlet\r\n"
      "starte programm mit = 2\r\n"  // first value line: sets "sortieren"
      "x = 7\r\n"
      "y = 10\r\n"  // last character 0
      "z = x\r\n"   // no digit: 0
      "\r\n",
      s);
  EXPECT_EQ(s[Setting::Sortieren], 2);
  EXPECT_EQ(s[Setting::AlphabEinzeln], 7);
  EXPECT_EQ(s[Setting::LeerzeichenBeimEinlesenEntfernen], 0);
  EXPECT_EQ(s[Setting::EinstellungSpeichern], 0);
  EXPECT_EQ(s[Setting::StarteProgrammMit], 0);  // section ended before it
  EXPECT_EQ(s[Setting::CaseSensitive], 1);      // quorvel missing: defaults
}

TEST(SettingsFile, ExtraValueLinesAndAnUnterminatedLastLineAreIgnored) {
  Settings s;
  std::string text = "dremmick\r\na=1\r\nb=1\r\nc=1\r\nd=1\r\ne=1\r\n";
  parseSettingsFile(text, s);
  EXPECT_EQ(s[Setting::VorhandeneNummerierungEntfernen], 1);
  Settings t;
  parseSettingsFile("dremmick\r\na=1\r\nb=1", t);
  EXPECT_EQ(t[Setting::DatenVerwenden], 1);
  EXPECT_EQ(t[Setting::Nummerierung], 0);
}

TEST(SettingsFile, JunkLeavesTheDefaults) {
  // clang-format off
  const std::string junk[] = {
      "", "\r\n", std::string(1000, '\0'), "brimlet", "quorvel\r", "$$$abc", "\xA7\xA7\xA7",
      "brimlet\r\n=\r\n", std::string("\xFF\xFE\x00=\r\x01", 6),
      kDefaultFile.substr(0, kDefaultFile.size() / 2)};
  // clang-format on
  for (const std::string& text : junk) {
    Settings s;
    parseSettingsFile(text, s);
    EXPECT_EQ(settingsFileText(s), settingsFileText(Settings{})) << text.size();
  }
}

TEST(SettingsFile, RememberedStringsAreFoundInAnyOrder) {
  Settings s;
  parseSettingsFile(cp("§§§/a/b.db§§§\r\n$$$/x/$$$\r\n¥¥3¥¥c¥¥3¥¥\r\n$$$cut"), s);
  EXPECT_EQ(s.remembered.defaultDatabaseFile, "/a/b.db");
  EXPECT_EQ(s.remembered.textDatabaseFolder, "/x/");
  EXPECT_EQ(s.remembered.replacePresets[2], "c");
}

// Found by the settings-file fuzz target: a preset holding "$$$" came back
// after a restart as the text-database folder too.
TEST(SettingsFile, AValueHoldingAnotherMarkerComesBackAsItWas) {
  Settings s;
  s.remembered.replacePresets[0] = cp("$$$x$$$=>§§§");
  s.remembered.replacePresets[2] = cp("¥¥=§§%¥¥3¥¥");
  s.remembered.defaultDatabaseFile = cp("a\n$$$b$$$");  // a lone LF starts no line
  Settings reread;
  parseSettingsFile(settingsFileText(s), reread);
  EXPECT_EQ(reread.remembered.textDatabaseFolder, "");
  EXPECT_EQ(reread.remembered.defaultDatabaseFile, cp("a\n$$$b$$$"));
  EXPECT_EQ(reread.remembered.replacePresets[0], cp("$$$x$$$=>§§§"));
  EXPECT_EQ(reread.remembered.replacePresets[2], cp("¥¥=§§%¥¥3¥¥"));
}

}  // namespace
}  // namespace brimlet
