// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/codec.h"

#include <gtest/gtest.h>

namespace brimlet {
namespace {

TEST(Codec, AllByteValuesSurviveQString) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  const QString text = toQString(bytes);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(text[0xE4], QChar(0x00E4));
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  EXPECT_EQ(text[0x81], QChar(0x0081));
  EXPECT_EQ(fromQString(text), bytes);
  EXPECT_EQ(fromQString(QStringLiteral("a\u2192b")), "a?b");
}

TEST(Codec, FileFiltersBecomeQtFilters) {
  EXPECT_EQ(qtFileFilter("Text-Dateien| *.txt;*.tx?;*.asc|Alle Dateien| *.*"),
            QStringLiteral("Text-Dateien (*.txt *.tx? *.asc);;Alle Dateien (*)"));
  EXPECT_EQ(qtFileFilter("Text-Dateien | *.Txt"), QStringLiteral("Text-Dateien (*.Txt)"));
}

}  // namespace
}  // namespace brimlet
