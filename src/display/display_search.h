// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brimlet {

// A caret and selection in field positions (a line end counts as one).
struct FieldSelection {
  int64_t start = 0;
  int64_t length = 0;
  bool operator==(const FieldSelection&) const = default;
};

// The search buttons of the display window over a CR LF text. The search
// text is the target itself, or a code: "<<<" + number stands for the one
// character of that code, "<<<z" for the digit nearest the caret in the
// search direction. Forward looks from one place after the caret on,
// backward at what ends before the caret; not case-sensitive; nullopt when
// nothing is found (the field stays as it was).
[[nodiscard]] std::optional<FieldSelection> searchField(std::string_view text,
                                                        std::string_view searchText, int64_t caret,
                                                        bool forward);

// The exclusion search: the search text is "A" CR LF "B", where B contains
// A; it finds the next A that is not part of a B, starting at the stored
// search position. nullopt for a search text of another shape.
struct ExclusionResult {
  std::optional<FieldSelection> selection;  // the last A looked at, if any
  int64_t caret = 0;                        // where the caret is left
  int64_t searchPosition = 0;               // where the next search starts
};
[[nodiscard]] std::optional<ExclusionResult> exclusionSearch(std::string_view text,
                                                             std::string_view searchText,
                                                             int64_t searchPosition, bool forward);

// "Select next": the next exact occurrence of `selectText`, looked for from
// the byte just before the caret's field position taken as a byte position.
[[nodiscard]] std::optional<FieldSelection> selectNext(std::string_view text,
                                                       std::string_view selectText, int64_t caret);

}  // namespace brimlet
