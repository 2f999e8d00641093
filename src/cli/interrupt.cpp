// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interrupt.h"

#include <csignal>

namespace brimlet {
namespace {

volatile std::sig_atomic_t caughtSignal = 0;

void noteSignal(int signal) { caughtSignal = signal; }

}  // namespace

void catchInterrupts() {
  struct sigaction action {};
  action.sa_handler = noteSignal;
  sigemptyset(&action.sa_mask);
  // Blocking calls go on, so no write is cut short by the signal.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool interruptRequested() { return caughtSignal != 0; }

int interruptedExitStatus() { return 128 + caughtSignal; }

}  // namespace brimlet
