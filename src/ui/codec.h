// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brimlet {

// Windows-1252 bytes <-> QString through the program's one code-page table:
// all 256 byte values survive a round trip. Characters of the other
// direction that the code page lacks become '?'.
[[nodiscard]] QString toQString(std::string_view bytes);
[[nodiscard]] std::string fromQString(const QString& text);

// A CR LF text as a text field shows it (line ends as line breaks) and back
// from the field's document: paragraph and line separators become CR LF,
// every other character its byte.
[[nodiscard]] QString toFieldText(std::string_view crLfText);
[[nodiscard]] std::string fromFieldDocument(const QString& rawText);
// The same for a text too large for a block a line: its lines are gathered
// into blocks of at least `blockChars` characters, line separators within a
// block, a paragraph break after each and after the last line end;
// `blockLines` gets the number of lines of each block.
[[nodiscard]] QString toFieldBlocks(std::string_view crLfText, size_t blockChars,
                                    std::vector<int>& blockLines);

// A path as the program holds it <-> the path Qt's dialogs and URLs take,
// through the file-name codec, so a name the program shows in Windows-1252
// names the file that carries its UTF-8 form.
[[nodiscard]] QString pathToQString(const std::string& path);
[[nodiscard]] std::string pathFromQString(const QString& path);

// A progress value as Qt's bar takes it: its range is 32-bit, so a maximum
// beyond that (a file over 2 GB) is scaled down with the value.
struct BarPosition {
  int value;
  int maximum;
};
[[nodiscard]] BarPosition barPosition(int64_t value, int64_t maximum);

// "Text-Dateien| *.txt;*.asc|Alle Dateien| *.*" -> "Text-Dateien (*.txt *.asc);;Alle Dateien (*)"
[[nodiscard]] QString qtFileFilter(std::string_view filter);

}  // namespace brimlet
