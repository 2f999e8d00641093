// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/rtf_reader.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <iterator>
#include <map>
#include <vector>

#include "core/cp1252.h"

namespace brimlet {
namespace {

constexpr int kWindows1252 = 1252;

// Destinations whose text is no part of the document's body.
// clang-format off
constexpr std::string_view kSkippedDestinations[] = {
    "author",    "buptim",     "colortbl",   "comment",      "company",   "creatim",
    "datastore", "doccomm",    "fldinst",    "fonttbl",      "footer",    "footerf",
    "footerl",   "footerr",    "generator",  "header",       "headerf",   "headerl",
    "headerr",   "info",       "keywords",   "listoverridetable", "listtable", "nonshppict",
    "operator",  "pict",       "printim",    "revtim",       "revtbl",    "rsidtbl",
    "stylesheet", "subject",   "themedata",  "title",        "xmlnstbl",  "pgdsctbl",
    "pn",        "pntxta",     "pntxtb"};
// clang-format on

// Control words that stand for a character of the text.
struct CharacterWord {
  std::string_view word;
  char32_t character;
};
constexpr CharacterWord kCharacterWords[] = {
    {"par", U'\n'},           {"line", U'\n'},          {"row", U'\n'},
    {"sect", U'\n'},          {"page", U'\n'},          {"tab", U'\t'},
    {"cell", U'\t'},          {"nestcell", U'\t'},      {"emdash", U'\u2014'},
    {"endash", U'\u2013'},    {"lquote", U'\u2018'},    {"rquote", U'\u2019'},
    {"ldblquote", U'\u201C'}, {"rdblquote", U'\u201D'}, {"bullet", U'\u2022'},
    {"emspace", U' '},        {"enspace", U' '},        {"qmspace", U' '}};

// The code page a font's \fcharset stands for; 0 for "the document's".
int codePageOfCharset(int32_t charset) {
  switch (charset) {
    // clang-format off
    case 0: case 2: return kWindows1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0;
      // clang-format on
  }
}

std::string iconvName(int codePage) {
  if (codePage == 10000) return "MACINTOSH";
  if (codePage == 1361) return "JOHAB";
  return "CP" + std::to_string(codePage);
}

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// The system's converters from the code pages a document uses, opened once
// per document.
class Decoders {
 public:
  Decoders() = default;
  Decoders(const Decoders&) = delete;
  Decoders& operator=(const Decoders&) = delete;
  ~Decoders() {
    for (const auto& [codePage, converter] : converters_) {
      if (converter != kNoConverter) iconv_close(converter);
    }
  }

  // What the system cannot decode is read as Windows-1252, byte by byte.
  void decode(int codePage, std::string_view bytes, std::u32string& out);

 private:
  std::map<int, iconv_t> converters_;
};

void Decoders::decode(int codePage, std::string_view bytes, std::u32string& out) {
  auto [entry, added] = converters_.try_emplace(codePage, kNoConverter);
  if (added && codePage != kWindows1252) {
    const char* native = std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
    entry->second = iconv_open(native, iconvName(codePage).c_str());
  }
  iconv_t converter = entry->second;
  if (converter == kNoConverter) {
    for (const char c : bytes) out += cp1252ToUnicode(static_cast<unsigned char>(c));
    return;
  }
  std::string in(bytes);
  char* inPointer = in.data();
  size_t inLeft = in.size();
  while (inLeft > 0) {
    std::array<char32_t, 256> buffer{};
    char* outPointer = reinterpret_cast<char*>(buffer.data());
    size_t outLeft = sizeof(buffer);
    const size_t done = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    const size_t produced = (sizeof(buffer) - outLeft) / sizeof(char32_t);
    out.append(buffer.data(), produced);
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {
      out += U'?';  // an invalid or cut-off sequence
      ++inPointer;
      --inLeft;
    }
  }
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
}

struct GroupState {
  bool skip = false;
  bool fontTable = false;
  int unicodeSkip = 1;  // \ucN: fallback characters after each \uN
  int codePage = 0;     // 0: the document's
};

class RtfReader {
 public:
  explicit RtfReader(std::string_view rtf) : rtf_(rtf) {}

  std::u32string read() {
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_++];
      if (c == '{') {
        flushBytes();
        stack_.push_back(state_);
        skipPending_ = 0;
        groupStart_ = true;
        continue;
      }
      if (c == '}') {
        flushBytes();
        if (!stack_.empty()) {
          state_ = stack_.back();
          stack_.pop_back();
        }
        skipPending_ = 0;
        groupStart_ = false;
        continue;
      }
      const bool atGroupStart = groupStart_;
      groupStart_ = false;
      if (c == '\\') {
        controlSequence(atGroupStart);
      } else if (c != '\r' && c != '\n') {
        if (consumeFallback()) continue;
        byteOut(c);
      }
    }
    flushBytes();
    return std::move(text_);
  }

 private:
  // True when the unit just read is a fallback character of a \uN.
  bool consumeFallback() {
    if (skipPending_ == 0) return false;
    --skipPending_;
    return true;
  }

  void controlSequence(bool atGroupStart) {
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      controlWord(atGroupStart);
      return;
    }
    ++pos_;
    if (c == '\'') {
      const std::optional<char> byte = hexByte();
      if (consumeFallback() || !byte) return;
      byteOut(*byte);
      return;
    }
    if (c == '*') {
      state_.skip = true;
      return;
    }
    if (consumeFallback()) return;
    switch (c) {
      // clang-format off
      case '\\': case '{': case '}': byteOut(c); break;
      case '~': charOut(U'\u00A0'); break;
      case '_': charOut(U'-'); break;
      case '\r': case '\n': charOut(U'\n'); break;
      case '\t': charOut(U'\t'); break;
      default: break;  // optional hyphen, index markers
        // clang-format on
    }
  }

  std::optional<char> hexByte() {
    if (pos_ + 2 > rtf_.size()) {
      pos_ = rtf_.size();
      return std::nullopt;
    }
    int value = 0;
    for (int i = 0; i < 2; ++i) {
      const char h = rtf_[pos_++];
      value *= 16;
      if (h >= '0' && h <= '9')
        value += h - '0';
      else if (h >= 'a' && h <= 'f')
        value += h - 'a' + 10;
      else if (h >= 'A' && h <= 'F')
        value += h - 'A' + 10;
      else
        return std::nullopt;
    }
    return static_cast<char>(value);
  }

  void controlWord(bool atGroupStart) {
    const size_t start = pos_;
    while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
    const std::string_view word = rtf_.substr(start, pos_ - start);
    std::optional<int32_t> parameter;
    bool negative = false;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    int64_t value = 0;
    bool digits = false;
    while (pos_ < rtf_.size() && rtf_[pos_] >= '0' && rtf_[pos_] <= '9') {
      value = std::min<int64_t>(value * 10 + (rtf_[pos_] - '0'), INT32_MAX);
      digits = true;
      ++pos_;
    }
    if (digits) parameter = static_cast<int32_t>(negative ? -value : value);
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;

    if (word == "bin") {
      // Binary data follows the word; it is no text and no fallback.
      pos_ = std::min(rtf_.size(), pos_ + static_cast<size_t>(std::max(parameter.value_or(0), 0)));
      return;
    }
    if (word == "u" && parameter) {
      flushBytes();
      if (!state_.skip)
        charOut(static_cast<char32_t>(*parameter < 0 ? *parameter + 65536 : *parameter));
      skipPending_ = state_.unicodeSkip;
      return;
    }
    if (consumeFallback()) return;
    if (atGroupStart && isSkippedDestination(word)) {
      flushBytes();
      state_.skip = true;
      state_.fontTable = word == "fonttbl";
      return;
    }
    setting(word, parameter);
    if (!state_.skip) text(word);
  }

  static bool isSkippedDestination(std::string_view word) {
    return std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
           std::end(kSkippedDestinations);
  }

  void setting(std::string_view word, std::optional<int32_t> parameter) {
    const int32_t value = parameter.value_or(0);
    if (word == "uc") {
      state_.unicodeSkip = std::max(value, 0);
    } else if (word == "ansicpg") {
      documentCodePage_ = value > 0 ? value : kWindows1252;
    } else if (word == "mac") {
      documentCodePage_ = 10000;
    } else if (word == "pc") {
      documentCodePage_ = 437;
    } else if (word == "pca") {
      documentCodePage_ = 850;
    } else if (word == "f" && state_.fontTable) {
      definedFont_ = value;
    } else if (word == "fcharset" && state_.fontTable) {
      fontCodePages_[definedFont_] = codePageOfCharset(value);
    } else if (word == "cpg" && state_.fontTable) {
      fontCodePages_[definedFont_] = value;
    } else if (word == "f") {
      flushBytes();
      const auto found = fontCodePages_.find(value);
      state_.codePage = found == fontCodePages_.end() ? 0 : found->second;
    }
  }

  void text(std::string_view word) {
    for (const auto& [name, character] : kCharacterWords) {
      if (word == name) {
        charOut(character);
        return;
      }
    }
  }

  void byteOut(char byte) {
    if (state_.skip) return;
    const int codePage = state_.codePage != 0 ? state_.codePage : documentCodePage_;
    if (codePage != bytesCodePage_) flushBytes();
    bytesCodePage_ = codePage;
    bytes_ += byte;
  }

  void charOut(char32_t c) {
    if (state_.skip) return;
    flushBytes();
    // Characters beyond the first 64K come as two \uN, a surrogate pair.
    if (c >= 0xDC00 && c <= 0xDFFF && !text_.empty() && text_.back() >= 0xD800 &&
        text_.back() <= 0xDBFF) {
      text_.back() = 0x10000 + ((text_.back() - 0xD800) << 10) + (c - 0xDC00);
      return;
    }
    text_ += c;
  }

  void flushBytes() {
    if (bytes_.empty()) return;
    decoders_.decode(bytesCodePage_, bytes_, text_);
    bytes_.clear();
  }

  std::string_view rtf_;
  size_t pos_ = 0;
  GroupState state_;
  std::vector<GroupState> stack_;
  bool groupStart_ = false;
  int skipPending_ = 0;
  int documentCodePage_ = kWindows1252;
  std::map<int32_t, int> fontCodePages_;
  int32_t definedFont_ = 0;
  std::string bytes_;  // text bytes not yet decoded, all of one code page
  int bytesCodePage_ = kWindows1252;
  std::u32string text_;
  Decoders decoders_;
};

}  // namespace

std::optional<std::u32string> rtfToUnicode(std::string_view rtf) {
  if (!rtf.starts_with("{\\rtf")) return std::nullopt;
  return RtfReader(rtf).read();
}

std::optional<std::string> rtfToText(std::string_view rtf) {
  const std::optional<std::u32string> text = rtfToUnicode(rtf);
  if (!text) return std::nullopt;
  std::string out;
  out.reserve(text->size());
  for (const char32_t c : *text) {
    if (c == U'\n') {
      out += "\r\n";
    } else {
      out += static_cast<char>(unicodeToCp1252(c).value_or('?'));
    }
  }
  return out;
}

}  // namespace brimlet
