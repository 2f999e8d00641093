// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/log.h"
#include "core/platform.h"

namespace brimlet {

// The clipboard routines of every window. They report their own failures
// (and a paste its success); callers report a successful copy themselves.

// The clipboard's whole text block: the text, its NUL and whatever the block
// holds after it. nullopt when there is no text.
[[nodiscard]] std::optional<std::string> clipboardPaste(Platform& platform, Reporter& reporter);

// Puts `block` on the clipboard as it is; callers pass their text followed
// by one NUL. false (and a message) when nothing was put there.
[[nodiscard]] bool clipboardCopy(Platform& platform, Reporter& reporter, std::string_view block);

void clipboardClear(Platform& platform, Reporter& reporter);

// Clear, then copy `text` + NUL: what every copy button does.
[[nodiscard]] bool putTextOnClipboard(Platform& platform, Reporter& reporter,
                                      std::string_view text);

// The text exchanged with other programs, which know neither the block's
// tail after its NUL nor CR LF line ends. Coming in, a lone LF and CR LF
// become CR LF (a lone CR stays), as the program's own clipboard would have
// delivered it. Going out, the text ends at the block's first NUL and its
// CR LF line ends become LF.
//   textFromOtherPrograms("a\nb\r\n") == "a\r\nb\r\n"
//   textForOtherPrograms("a\r\nb\0tail") == "a\nb"
[[nodiscard]] std::string textFromOtherPrograms(std::string_view text);
[[nodiscard]] std::string textForOtherPrograms(std::string_view block);

}  // namespace brimlet
