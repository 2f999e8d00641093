// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// The plain text of an RTF document as code points: groups, control words
// and symbols, "\'xx" bytes read in the code page of the current font (or
// the document's), "\uN" with its fallback characters skipped, paragraph
// and line breaks as "\n", tabs; font and colour tables, style sheets,
// document information, pictures, "\*" destinations and binary data are
// left out. nullopt when the text does not start with "{\rtf".
[[nodiscard]] std::optional<std::u32string> rtfToUnicode(std::string_view rtf);

// The same text in Windows-1252 with CR LF line ends; a character without
// a Windows-1252 form becomes "?".
[[nodiscard]] std::optional<std::string> rtfToText(std::string_view rtf);

}  // namespace brimlet
