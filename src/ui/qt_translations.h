// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace brimlet {

// Qt's own German texts for its dialogs ("Abbrechen", "Suchen in:"), as the
// program speaks German whatever the desktop's language. false when the
// translation files are not installed; the dialogs then stay English.
bool installQtGermanTranslations(QCoreApplication& application);

}  // namespace brimlet
