// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform.h"

namespace brimlet {

// The local wall-clock time now.
[[nodiscard]] LocalTime currentLocalTime();

}  // namespace brimlet
