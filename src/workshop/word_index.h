// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

struct WordIndexOptions {
  bool sorted = false;        // in the program's text order, else in order of first occurrence
  bool capitalsOnly = false;  // write only words whose first byte is A-Z
  bool digitsSeparate = false;
  bool hyphensSeparate = false;  // "-" and the two dashes
  bool withCount = false;
  bool withFirstLine = false;
};

struct WordIndex {
  std::string text;
  int64_t words = 0;  // distinct words, those left out by capitalsOnly included
};

// One line per distinct word (exact bytes, case counts), each followed by
// three TABs and its number of occurrences and/or three TABs and the 1-based
// line of its first occurrence. Words are runs of bytes between separators:
// control characters, blank, ! " ( ) * + , . : ; < = > ? [ ] and the
// typographic quotes, ellipsis and brackets of the upper half. Lines end at
// CR LF; a lone CR only separates words.
//   "Der Hund, der Hund.\r\n" -> "Der\r\nHund\r\nder\r\n", 3 words
[[nodiscard]] WordIndex buildWordIndex(std::string_view text, const WordIndexOptions& options,
                                       Progress& progress);

}  // namespace brimlet
