// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

struct TransferLogOptions {
  bool listRecords = false;  // list each matching reduced record
  bool numbered = false;     // its record number and a TAB before it
};

// Searches a comma-separated transfer log of 20 fields per record. A record
// runs from its start over 19 commas to the next CR (line breaks inside it
// are dropped); a record that starts with "#" is a comment line. Each
// record is reduced to fields 1, 9, 12 (not for SEND), 18 and, for a SEND
// whose field 18 differs from the previous SEND's, 19, each with its
// comma; a record matches when its reduced form holds `searchText`.
// Returns the listed records, an empty line, the number of matches and the
// counts of matches that mention SEND, RECEIVE and DELIVER. Progress gets
// the number of records read so far. `log` ends with CR LF.
[[nodiscard]] std::string analyseTransferLog(std::string_view log, std::string_view searchText,
                                             const TransferLogOptions& options, Progress& progress);

}  // namespace brimlet
