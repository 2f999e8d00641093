// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "cli/cli_options.h"

namespace brimlet {
namespace {

// Every "--option" a text names; the man page writes its dashes as "\-".
std::set<std::string> optionsNamed(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\\-") == 0) ++i;
    plain += text[i];
  }
  const auto isNamePart = [](char c) {
    return std::islower(static_cast<unsigned char>(c)) || c == '-';
  };
  std::set<std::string> options;
  for (size_t at = 0; (at = plain.find("--", at)) != std::string::npos;) {
    size_t end = at + 2;
    while (end < plain.size() && isNamePart(plain[end])) ++end;
    if (end > at + 2) options.insert(plain.substr(at, end - at));
    at = end;
  }
  return options;
}

TEST(Manual, TheManPageAndHelpNameTheSameOptions) {
  std::ifstream page(BRIMLET_MANPAGE);
  ASSERT_TRUE(page) << BRIMLET_MANPAGE;
  const std::string manual{std::istreambuf_iterator<char>(page), std::istreambuf_iterator<char>()};
  const std::set<std::string> help = optionsNamed(cliUsage());
  EXPECT_GE(help.size(), 15u);
  EXPECT_EQ(optionsNamed(manual), help);
  for (const std::string& option : help) {
    EXPECT_NE(parseCliOptions({option, "x=y"}).error, "unknown option " + option) << option;
  }
}

TEST(Manual, TheListingNamesEachWindowsHandlersInStepFormUnderItsWindow) {
  FILE* pipe = ::popen(BRIMLET_CLI " --list", "r");
  ASSERT_NE(pipe, nullptr);
  std::string listing;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) listing.append(buffer, n);
  ASSERT_EQ(::pclose(pipe), 0);
  const size_t workshop = listing.find("frm8 \"Quorvel \"\n");
  const size_t renamer = listing.find("frm7 \"Dremmick\"\n");
  ASSERT_NE(workshop, std::string::npos) << listing;
  ASSERT_LT(workshop, renamer) << listing;
  for (const std::string& line :
       {std::string("    frm8_KeyDown:N:N\n"), std::string("    frm8_MessageProc:TEXT\n"),
        std::string("\"Ein&f\xC3\xBCgen\"  [Datei]\n")}) {
    const size_t at = listing.find(line, workshop);
    EXPECT_LT(at, renamer) << line;
  }
}

}  // namespace
}  // namespace brimlet
