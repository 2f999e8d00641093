// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brimlet {

// SIGINT and SIGTERM only note that they came, so that a run over many
// files stops between two of them (or cancels the running operation at its
// next cancel point) and cleans up after itself instead of dying with
// temporary files beside the user's.
void catchInterrupts();
[[nodiscard]] bool interruptRequested();
// 128 + the signal's number, as a shell reports a process it stopped.
[[nodiscard]] int interruptedExitStatus();

}  // namespace brimlet
