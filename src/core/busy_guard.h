// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brimlet {

// Keeps handlers from re-entering: while one runs (and pumps events), every
// other handler that the windows start is turned into a no-op.
class BusyGuard {
 public:
  [[nodiscard]] bool busy() const { return depth_ > 0; }

  class Scope {
   public:
    explicit Scope(BusyGuard& guard) : guard_(guard) { ++guard_.depth_; }
    ~Scope() { --guard_.depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    BusyGuard& guard_;
  };

 private:
  int depth_ = 0;
};

}  // namespace brimlet
