// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/display_search.h"

#include <gtest/gtest.h>

#include <random>

#include "display/field_text.h"

namespace brimlet {
namespace {

using Sel = FieldSelection;

TEST(SearchField, PlainTextForwardAndBackward) {
  const std::string text = "Haus maus\r\nHAUS";
  EXPECT_EQ(searchField(text, "haus", 0, true), (Sel{10, 4}));  // one place after the caret
  EXPECT_EQ(searchField(text, "aus", 0, true), (Sel{1, 3}));
  EXPECT_EQ(searchField(text, "aus", 1, true), (Sel{6, 3}));
  EXPECT_EQ(searchField(text, "aus", 10, false), (Sel{6, 3}));
  EXPECT_EQ(searchField(text, "s\r\nh", 0, true), (Sel{8, 3}));
  EXPECT_EQ(searchField(text, "zz", 0, true), std::nullopt);
  EXPECT_EQ(searchField(text, "", 0, true), std::nullopt);
}

TEST(SearchField, CharacterCodes) {
  const std::string text = "abA cA";
  EXPECT_EQ(searchField(text, "<<<65", 0, true),
            (Sel{2, 1}));  // "a" is found too: not case-sensitive
  EXPECT_EQ(searchField(text, "<<<32", 0, true), (Sel{3, 1}));
  EXPECT_EQ(searchField(std::string("a\0b", 3), "<<<x", 0, true), (Sel{1, 1}));
  EXPECT_EQ(searchField(text, "<<<300", 0, true), std::nullopt);
}

TEST(SearchField, NearestDigit) {
  const std::string text = "a7b3c9d0";
  EXPECT_EQ(searchField(text, "<<<z", 2, true), (Sel{3, 1}));  // the 3, not the 0
  EXPECT_EQ(searchField(text, "<<<z", 6, false), (Sel{5, 1}));
  EXPECT_EQ(searchField(text, "<<<z", 5, false), (Sel{3, 1}));
  EXPECT_EQ(searchField("7 ab", "<<<z", 0, true), std::nullopt);   // no digit after the caret
  EXPECT_EQ(searchField("7 ab", "<<<z", 3, false), std::nullopt);  // only at position 0
}

TEST(ExclusionSearch, SkipsEveryAThatIsPartOfB) {
  const std::string text = "ass ss mass ass ss";
  const std::string search = "ss\r\nass";
  auto r = exclusionSearch(text, search, 0, true);
  ASSERT_TRUE(r && r->selection);
  EXPECT_EQ(*r->selection, (Sel{4, 2}));
  r = exclusionSearch(text, search, r->searchPosition, true);
  EXPECT_EQ(*r->selection, (Sel{16, 2}));
  r = exclusionSearch(text, search, r->searchPosition, true);
  EXPECT_EQ(r->searchPosition, 0);  // nothing more: the next search starts over
  r = exclusionSearch(text, search, 16, false);
  EXPECT_EQ(*r->selection, (Sel{4, 2}));
}

// The search once converted positions from the start of the text on every
// round; the walker must give the very positions the plain conversions give.
std::optional<ExclusionResult> exclusionByPlainConversions(std::string_view text,
                                                           std::string_view a, std::string_view b,
                                                           int64_t p, bool forward) {
  auto find = [&](std::string_view target, int64_t field) -> std::optional<int64_t> {
    if (field < 0) return std::nullopt;
    const int64_t byte = fieldToByte(text, field);
    const auto hit = forward ? findForward(text, target, byte) : findBackward(text, target, byte);
    return hit ? std::optional(byteToField(text, *hit)) : std::nullopt;
  };
  ExclusionResult result;
  if (!forward && p == 0) p = byteToField(text, static_cast<int64_t>(text.size())) - 1;
  result.caret = p;
  for (;;) {
    const auto bHit = find(b, p);
    const auto aHit = find(a, p);
    if (aHit) {
      result.selection = Sel{*aHit, byteToField(a, static_cast<int64_t>(a.size()))};
      result.caret = *aHit;
    }
    const int64_t at = aHit.value_or(-1);
    p = forward ? at + 1 : at - 1;
    if (!bHit ||
        (forward ? at < *bHit : at > *bHit + byteToField(b, static_cast<int64_t>(b.size()))))
      break;
  }
  result.searchPosition = std::max<int64_t>(p, 0);
  return result;
}

TEST(ExclusionSearch, OnePassFindsWhatRoundByRoundConversionFound) {
  const char* const pieces[] = {"a", "s", " ", "\r\n", "A", "\n"};
  const struct {
    std::string_view a, b;
  } searches[] = {{"s", "as"}, {"a", "a\r\naa"}, {"ss", "ass"}, {"\n", "\n\ns"}, {"a", "sa"}};
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += pieces[random() % std::size(pieces)];
    text = withCrLfLineEnds(text);
    const int64_t fields = byteToField(text, static_cast<int64_t>(text.size()));
    for (const auto& s : searches) {
      const std::string searchText = std::string(s.a) + "\r\n" + std::string(s.b);
      for (const bool forward : {true, false}) {
        int64_t position = 0;
        for (int step = 0; step < 6; ++step) {
          const auto expected = exclusionByPlainConversions(text, s.a, s.b, position, forward);
          const auto found = exclusionSearch(text, searchText, position, forward);
          ASSERT_TRUE(found);
          ASSERT_EQ(found->selection, expected->selection) << text << " " << position;
          ASSERT_EQ(found->caret, expected->caret);
          ASSERT_EQ(found->searchPosition, expected->searchPosition);
          position = step == 2 ? static_cast<int64_t>(random() % static_cast<uint64_t>(fields + 1))
                               : found->searchPosition;
        }
      }
    }
  }
}

TEST(ExclusionSearch, OtherShapesDoNothing) {
  for (const char* search : {"ss", "\r\nass", "ss\r\n", "ss\r\nss", "ss\r\nabc"}) {
    EXPECT_EQ(exclusionSearch("ass ss", search, 0, true), std::nullopt) << search;
  }
}

TEST(SelectNext, CountsFromTheCaretAsAByteAndCorrectsForLineEnds) {
  const std::string text = "a\r\nb\r\nc\r\nxyz xyz";
  EXPECT_EQ(selectNext(text, "xyz", 0), (Sel{6, 3}));  // byte 9, three CR before it
  // The caret's field position is read as a byte position, so with line
  // ends before it the search starts that many bytes early.
  EXPECT_EQ(selectNext(text, "xyz", 10), (Sel{6, 3}));
  EXPECT_EQ(selectNext(text, "xyz", 11), (Sel{10, 3}));
  EXPECT_EQ(selectNext(text, "XYZ", 0), std::nullopt);  // case-sensitive
  EXPECT_EQ(selectNext(text, "", 0), std::nullopt);
}

}  // namespace
}  // namespace brimlet
