// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame_pages.h"

namespace brimlet {

const std::vector<FramePage>& framePages(const std::string& form) {
  // The workshop's operations by family, each page short enough for a
  // 768-pixel screen; files, undo and switching stay beside them. The
  // operations took every letter, so the pages are Alt+1 to Alt+6.
  // clang-format off
  static const std::vector<FramePage> kWorkshop = {
      {QStringLiteral("&1 Zeilen"), {QStringLiteral("Zeilenenden"), QStringLiteral("Leerzeichen"),
                                  QStringLiteral("Groß/klein"), QStringLiteral("Leerzeilen"),
                                  QStringLiteral("Sortieren"), QStringLiteral("Tauschen")}},
      {QStringLiteral("&2 Zeichen"), {QStringLiteral("Zeichenklassen"), QStringLiteral("Entfernen")}},
      {QStringLiteral("&3 Ketten"), {QStringLiteral("Ketten"), QStringLiteral("Zeilenränder")}},
      {QStringLiteral("&4 Einfügen"), {QStringLiteral("Einfügen"), QStringLiteral("Absätze")}},
      {QStringLiteral("&5 Umwandeln"), {QStringLiteral("Binärdaten"), QStringLiteral("DJ-Datenbank"),
                                     QStringLiteral("Tags"), QStringLiteral("Index")}},
      {QStringLiteral("&6 Puffer"), {QStringLiteral("Zwischenspeicher")}},
  };
  // clang-format on
  static const std::vector<FramePage> kNone;
  return form == "frm8" ? kWorkshop : kNone;
}

}  // namespace brimlet
