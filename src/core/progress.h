// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace brimlet {

// What a long loop reports: a maximum and the current step. Implementations
// decide how much of that reaches the screen and when events are pumped, so
// a loop may call setValue once per item without slowing down.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void setMaximum(int64_t maximum) = 0;
  virtual void setValue(int64_t value) = 0;
};

// Thrown at a cancel point of a long loop when the user stopped the running
// operation; the handler boundary puts back what the handler had changed.
// Deliberately no std::exception, so that only the boundary catches it.
struct OperationCancelled {};

// For algorithms run without a window (tests, benchmarks).
class NoProgress final : public Progress {
 public:
  void setMaximum(int64_t) override {}
  void setValue(int64_t) override {}
};

}  // namespace brimlet
