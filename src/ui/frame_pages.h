// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace brimlet {

// A tab of a window with many frames: its title (with its accelerator) and
// the captions of the frames it shows, whole, one below the other.
struct FramePage {
  QString title;
  std::vector<QString> frames;
};

// The pages of a form; none for a window whose frames fit side by side.
// Frames on no page stay in view beside the pages.
[[nodiscard]] const std::vector<FramePage>& framePages(const std::string& form);

}  // namespace brimlet
