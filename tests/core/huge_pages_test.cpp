// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/huge_pages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace brimlet {
namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
constexpr const char* kGiven = "BRIMLET_GIVEN_GLIBC_TUNABLES";

std::optional<std::string> variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void assign(const char* name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name, value->c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

// The restarted program sees the tunables it set for itself and what it
// was given; children started later must see only the latter. Calls with
// the huge-page tunable set never restart, so the test process stays.
struct GivenCase {
  std::optional<std::string> given;        // the carried-over original
  std::string running;                     // the tunables after the restart
  std::optional<std::string> forChildren;  // what children inherit
};

class StartEnvironment : public ::testing::TestWithParam<GivenCase> {
 protected:
  void SetUp() override { saved_ = {variable(kTunables), variable(kGiven)}; }
  void TearDown() override {
    assign(kTunables, saved_.first);
    assign(kGiven, saved_.second);
  }

 private:
  std::pair<std::optional<std::string>, std::optional<std::string>> saved_;
};

TEST_P(StartEnvironment, ChildrenInheritTheEnvironmentTheProgramWasGiven) {
  assign(kTunables, GetParam().running);
  assign(kGiven, GetParam().given);
  char name[] = "brimlet";
  char* argv[] = {name, nullptr};
  restartWithHugePages(argv);
  EXPECT_EQ(variable(kTunables), GetParam().forChildren);
  EXPECT_EQ(variable(kGiven), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    HugePages, StartEnvironment,
    ::testing::Values(GivenCase{"-", "glibc.malloc.hugetlb=1", std::nullopt},
                      GivenCase{"=glibc.malloc.arena_max=2",
                                "glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1",
                                "glibc.malloc.arena_max=2"},
                      GivenCase{"=", "glibc.malloc.hugetlb=1", ""},
                      // Set by the user, not by the program: it stays.
                      GivenCase{std::nullopt, "glibc.malloc.hugetlb=0", "glibc.malloc.hugetlb=0"}));

}  // namespace
}  // namespace brimlet
