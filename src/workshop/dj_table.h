// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

// The number of songs of a DJ database text: each "<Song FilePath=" with a
// "</Song>" after it. 0 means the text is not such a database.
[[nodiscard]] int64_t countDjSongs(std::string_view text);

struct DjTableOptions {
  bool sizeInMegabytes = false;  // FileSize as "30.64 MB"
  bool lengthInMinutes = false;  // SongLength as "3:2 Min"
};

// The songs of a DJ database as a semicolon table: a header line
// "FilePath;FileSize;" + the attribute names of the elements Tags, Infos and
// Scan, then one line per song with its values in those columns, every
// field followed by ";" and every line by CR LF. Each element kind gets at
// most 30 columns, its attribute names in the program's text order. The
// values keep their bytes except for a few UTF-8 letters (äÄáéöÖüÜ), dashes
// and the XML entities, which become their Windows-1252 forms; ";" in a value
// becomes ",". A song without a Tags element has only its file columns, one
// without Infos no Scan values either.
[[nodiscard]] std::string djTable(std::string_view text, const DjTableOptions& options,
                                  Progress& progress);

}  // namespace brimlet
