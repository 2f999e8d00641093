// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a function whose loops the compiler turns into vector code: it is
// built twice, and the build for AVX2's wider vectors is chosen at start
// where the processor has them.
#if defined(__x86_64__)
#define BRIMLET_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define BRIMLET_WIDE_VECTORS
#endif
