// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Real files that other people's programs wrote. They may not be passed on
// with the repository, so they lie beside a checkout when at all; every
// reader also has tests on inputs written for the project, and these only
// add the real world's surprises.

namespace brimlet::testing {

inline std::filesystem::path sampleFolder(const std::string& kind) {
  return std::filesystem::path(BRIMLET_TESTDATA) / kind;
}

// The bytes of a sample file, "" when it is missing.
inline std::string readSample(const std::string& relativePath) {
  std::ifstream in(std::filesystem::path(BRIMLET_TESTDATA) / relativePath, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace brimlet::testing

// Skips the running test when the samples of that kind are absent; the
// message names the folder, so that a skip is never mistaken for a pass.
#define BRIMLET_SKIP_WITHOUT_SAMPLES(kind)                                                    \
  do {                                                                                        \
    const std::filesystem::path brimletSamples = ::brimlet::testing::sampleFolder(kind);      \
    if (!std::filesystem::is_directory(brimletSamples))                                       \
      GTEST_SKIP() << "optional samples not found: " << brimletSamples << " (see README.md)"; \
  } while (false)
