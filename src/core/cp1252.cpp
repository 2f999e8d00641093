// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cp1252.h"

#include <array>

namespace brimlet {
namespace {

// Code points of 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `i`; returns the code point and advances,
// or nullopt (and leaves `i`) when the bytes there are not valid UTF-8.
std::optional<char32_t> decodeUtf8(std::string_view s, size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  size_t length = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (i + length > s.size()) return std::nullopt;
  for (size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  i += length;
  return c;
}

// decodeUtf8 with the second byte's range checked too, which shuts out
// overlong forms, surrogates and code points past U+10FFFF.
std::optional<char32_t> decodeWellFormedUtf8(std::string_view s, size_t& i) {
  if (i + 1 >= s.size()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(s[i]);
  const auto second = static_cast<unsigned char>(s[i + 1]);
  const bool secondOk = lead == 0xE0   ? second >= 0xA0
                        : lead == 0xED ? second <= 0x9F
                        : lead == 0xF0 ? second >= 0x90
                        : lead == 0xF4 ? second <= 0x8F
                                       : true;
  return secondOk ? decodeUtf8(s, i) : std::nullopt;
}

}  // namespace

char32_t cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> unicodeToCp1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] == codePoint) return static_cast<unsigned char>(0x80 + k);
  }
  return std::nullopt;
}

std::string cp(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    // Every label of every window passes through here when a program
    // starts; most are ASCII throughout.
    const size_t ascii = i;
    while (i < utf8.size() && static_cast<unsigned char>(utf8[i]) < 0x80) ++i;
    out.append(utf8.substr(ascii, i - ascii));
    if (i == utf8.size()) break;
    if (const auto c = decodeUtf8(utf8, i)) {
      out += static_cast<char>(unicodeToCp1252(*c).value_or('?'));
    } else {
      out += utf8[i++];
    }
  }
  return out;
}

bool isValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
    } else if (!decodeWellFormedUtf8(bytes, i)) {
      return false;
    }
  }
  return true;
}

std::optional<std::string> cp1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t ascii = i;
    while (i < utf8.size() && static_cast<unsigned char>(utf8[i]) < 0x80) ++i;
    out.append(utf8, ascii, i - ascii);
    if (i == utf8.size()) break;
    const auto c = decodeWellFormedUtf8(utf8, i);
    if (!c) return std::nullopt;
    const auto byte = unicodeToCp1252(*c);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

std::string toUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char b : bytes) appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(b)));
  return out;
}

}  // namespace brimlet
