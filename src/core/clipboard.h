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

}  // namespace brimlet
