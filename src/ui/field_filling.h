// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

class QPlainTextEdit;
class QProgressBar;

namespace brimlet {

// About a twentieth of a second of work between two looks at the screen.
inline constexpr size_t kFillPieceBytes = 1 << 20;

// Puts a large CR LF text into a text field piece by piece, into a document
// the field takes only once it is whole, so the field never lays out a half
// text; lines go into the document a few thousand characters a block. The bar shows how far it got
// and the window is repainted after each piece; Esc stops it, any other key or click meanwhile is
// dropped, since no handler may run while the field is being filled. False when stopped: the field
// then shows what it showed before.
[[nodiscard]] bool fillField(QPlainTextEdit& edit, std::string_view text, QProgressBar& bar,
                             size_t pieceBytes = kFillPieceBytes);

}  // namespace brimlet
