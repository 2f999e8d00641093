// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/secure_random.h"

#include <sys/random.h>

#include <cerrno>
#include <random>

namespace brimlet {

uint32_t SecureRandom::word() {
  if (next_ == words_.size()) refill();
  return words_[next_++];
}

void SecureRandom::refill() {
  auto* bytes = reinterpret_cast<char*>(words_.data());
  const size_t size = sizeof words_;
  size_t filled = 0;
  while (filled < size) {
    const ssize_t n = ::getrandom(bytes + filled, size - filled, 0);
    if (n > 0) {
      filled += static_cast<size_t>(n);
    } else if (errno != EINTR) {
      // A kernel without the call still has the device behind this.
      std::random_device device;
      for (size_t i = filled / sizeof(uint32_t); i < words_.size(); ++i) words_[i] = device();
      break;
    }
  }
  next_ = 0;
}

}  // namespace brimlet
