// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace brimlet::testing {

// The bytes of a file of the shared sample folder, "" when it is missing.
inline std::string readSample(const std::string& relativePath) {
  std::ifstream in(std::string(BRIMLET_TESTDATA) + "/" + relativePath, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace brimlet::testing
