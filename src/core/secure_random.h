// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace brimlet {

// Random words from the kernel's generator, fit for passwords. Taken a page
// at a time: one call for each word costs more than a password tool's whole
// run, since a password draws a word for every character.
class SecureRandom {
 public:
  uint32_t word();

 private:
  void refill();

  std::array<uint32_t, 1024> words_{};
  size_t next_ = words_.size();
};

}  // namespace brimlet
