// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brimlet {

// How a user's text file was written. Inside the program every text is
// Windows-1252 with CR LF line ends; files from Linux programs are UTF-8
// with LF. A text loaded from a file remembers the form it came in, so that
// saving it gives the file back in that form.
enum class FileEncoding { Windows1252, Utf8 };
enum class FileLineEnds { CrLf, Lf };

struct TextFileForm {
  FileEncoding encoding = FileEncoding::Windows1252;
  FileLineEnds lineEnds = FileLineEnds::CrLf;
  bool byteOrderMark = false;  // UTF-8 only: the file starts with EF BB BF

  friend bool operator==(const TextFileForm&, const TextFileForm&) = default;
};

// The form of the program's own files and of text that did not come from a
// file (pasted, handed over).
inline constexpr TextFileForm kWindowsForm{};

struct TextFromFile {
  std::string text;  // the program's form: Windows-1252, CR LF
  TextFileForm form;
  // Valid UTF-8 with characters that have no Windows-1252 byte: taken byte
  // for byte, so operations see its bytes, not its characters.
  bool foreignCharactersKept = false;
};

// A file's bytes as the program takes them. Line ends and encoding are
// looked at each on its own:
// - a text with at least one LF and no CR at all has LF line ends, and each
//   LF gets its CR;
// - a UTF-8 byte order mark is taken off and remembered;
// - valid UTF-8 with a non-ASCII character, every character of which has a
//   Windows-1252 byte, is decoded; pure ASCII counts as UTF-8 when its line
//   ends are LF (a Linux program wrote it), as Windows-1252 otherwise;
// - anything else (Windows-1252 bytes, binary data, UTF-8 with characters
//   beyond Windows-1252) is taken byte for byte.
//   textFromFile("gr\xC3\xBC\xC3\x9F\n") -> "gr\xFC\xDF\r\n", UTF-8, LF
[[nodiscard]] TextFromFile textFromFile(std::string bytes);

// The bytes to write for `text` in `form`: the inverse of textFromFile, so
// an unchanged text gives its file back. A lone CR in an LF text stays.
//   textForFile("gr\xFC\xDF\r\n", {Utf8, Lf}) == "gr\xC3\xBC\xC3\x9F\n"
[[nodiscard]] std::string textForFile(std::string text, TextFileForm form);

// The form as the status bar shows it: "UTF-8, LF", "Windows-1252, CR LF",
// "UTF-8 mit BOM, CR LF".
[[nodiscard]] std::string formName(TextFileForm form);

// The log line for a text whose foreign characters were kept as bytes.
[[nodiscard]] std::string foreignCharactersKeptMessage();

}  // namespace brimlet
