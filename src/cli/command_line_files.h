// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/file_io.h"

namespace brimlet {

// Files named on the command line, by the shell's bytes. As with a shell
// redirection, "-" is standard input or output, and a FIFO, a terminal or a
// device is read or written directly rather than refused.

// Reads it whole; a text past the load limit is refused as TooLarge.
[[nodiscard]] FileRead readCommandLineFile(const std::string& path);

// A regular file is replaced safely (its text handed to the system, not
// flushed: an output is a run's result, like a redirection's). Anything else
// is written as it is, never replaced: "/dev/stdout" and "/dev/fd/N" name
// the descriptor the shell opened (appending stays appending), a device or
// FIFO gets the bytes.
[[nodiscard]] bool writeCommandLineFile(const std::string& path, std::string_view bytes);

}  // namespace brimlet
