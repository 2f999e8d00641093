// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/codec.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <array>
#include <limits>

#include "core/cp1252.h"
#include "core/file_name_codec.h"

namespace brimlet {
namespace {

// The code page as a table: a text of hundreds of megabytes goes through it.
const std::array<char16_t, 256>& unicodeOfByte() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> t{};
    for (size_t b = 0; b < t.size(); ++b) {
      t[b] = static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(b)));
    }
    return t;
  }();
  return table;
}

// Most characters of a text are their own byte; only the rest needs the
// code page's search.
char byteOfCharacter(char16_t u) {
  if (u < 0x80 || (u >= 0xA0 && u < 0x100)) return static_cast<char>(u);
  return static_cast<char>(unicodeToCp1252(u).value_or('?'));
}

}  // namespace

QString toQString(std::string_view bytes) {
  QString text;
  text.resize(static_cast<qsizetype>(bytes.size()));
  const std::array<char16_t, 256>& unicode = unicodeOfByte();
  QChar* out = text.data();
  for (const char b : bytes) *out++ = QChar(unicode[static_cast<unsigned char>(b)]);
  return text;
}

std::string fromQString(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) bytes += byteOfCharacter(c.unicode());
  return bytes;
}

namespace {

// Every line end becomes a paragraph break, or, inside a block that has
// fewer than `blockChars` characters yet, a line separator.
QString fieldText(std::string_view crLfText, size_t blockChars, std::vector<int>* blockLines) {
  // Written into a presized buffer: a large text would otherwise spend more
  // time growing the string than converting it.
  QString text(static_cast<qsizetype>(crLfText.size()), Qt::Uninitialized);
  const std::array<char16_t, 256>& unicode = unicodeOfByte();
  QChar* out = text.data();
  const QChar* blockStart = out;
  int lines = 1;
  for (size_t i = 0; i < crLfText.size(); ++i) {
    const auto b = static_cast<unsigned char>(crLfText[i]);
    if (b != '\r' && b != '\n') {
      *out++ = QChar(unicode[b]);
      continue;
    }
    if (b == '\r' && i + 1 < crLfText.size() && crLfText[i + 1] == '\n') ++i;
    if (static_cast<size_t>(out - blockStart) < blockChars && i + 1 < crLfText.size()) {
      *out++ = QChar(QChar::LineSeparator);
      ++lines;
      continue;
    }
    *out++ = QChar(u'\n');
    if (blockLines != nullptr) blockLines->push_back(lines);
    lines = 1;
    blockStart = out;
  }
  if (blockLines != nullptr && out != blockStart) blockLines->push_back(lines);
  text.truncate(out - text.constData());
  return text;
}

}  // namespace

QString toFieldText(std::string_view crLfText) { return fieldText(crLfText, 0, nullptr); }

QString toFieldBlocks(std::string_view crLfText, size_t blockChars, std::vector<int>& blockLines) {
  return fieldText(crLfText, blockChars, &blockLines);
}

std::string fromFieldDocument(const QString& rawText) {
  size_t lineEnds = 0;
  for (const QChar c : rawText) {
    const char16_t u = c.unicode();
    lineEnds += u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == u'\n';
  }
  std::string bytes(static_cast<size_t>(rawText.size()) + lineEnds, '\0');
  char* out = bytes.data();
  for (const QChar c : rawText) {
    const char16_t u = c.unicode();
    if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == u'\n') {
      *out++ = '\r';
      *out++ = '\n';
    } else {
      *out++ = byteOfCharacter(u);
    }
  }
  return bytes;
}

QString pathToQString(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(encodePath(path)));
}

std::string pathFromQString(const QString& path) {
  return decodePath(QFile::encodeName(path).toStdString());
}

BarPosition barPosition(int64_t value, int64_t maximum) {
  constexpr int64_t kLargest = std::numeric_limits<int>::max();
  maximum = std::max<int64_t>(maximum, 1);
  value = std::clamp<int64_t>(value, 0, maximum);
  if (maximum <= kLargest) return {static_cast<int>(value), static_cast<int>(maximum)};
  const int64_t divisor = maximum / kLargest + 1;
  return {static_cast<int>(value / divisor), static_cast<int>(maximum / divisor)};
}

QString qtFileFilter(std::string_view filter) {
  const QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    }
    filters << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace brimlet
