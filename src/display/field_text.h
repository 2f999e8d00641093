// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// The display field shows line ends as line breaks, so its positions count a
// line end as one place, while the text beneath counts bytes. The field's
// text always has CR LF line ends: a lone CR or LF, which the field can only
// show as a line break, becomes CR LF when the text is put into it.
[[nodiscard]] std::string withCrLfLineEnds(std::string_view text);

// Conversions between field positions and byte positions of a CR LF text.
[[nodiscard]] int64_t fieldToByte(std::string_view text, int64_t field);
[[nodiscard]] int64_t byteToField(std::string_view text, int64_t byte);

// The 1-based byte number of the character at a field position; nullopt
// past the last character.   "ab\r\ncd", position 3 -> 5
[[nodiscard]] std::optional<int64_t> caretByteNumber(std::string_view text, int64_t field);

// The field's own find: not case-sensitive (the program's case table), no
// wrap-around, positions in bytes. Forward: the first hit starting at or
// after `from`. Backward: the last hit that ends at or before `before`.
[[nodiscard]] std::optional<int64_t> findForward(std::string_view text, std::string_view target,
                                                 int64_t from);
[[nodiscard]] std::optional<int64_t> findBackward(std::string_view text, std::string_view target,
                                                  int64_t before);

}  // namespace brimlet
