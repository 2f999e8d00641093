// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brimlet {

// Lists and texts live in a few large buffers. With transparent huge pages
// the kernel maps such a buffer 2 MB at a time instead of 4 KB, which takes
// most of the page faults (and about a third of the time) out of reading,
// sorting and writing a large text. The C library asks for huge pages only
// when the process starts with that tunable set, so the first call starts
// the program once more with it; nothing happens when it is set already or
// the restart fails. GLIBC_TUNABLES=glibc.malloc.hugetlb=0 starts without
// the restart (under a debugger or valgrind, say). The restarted program
// puts the environment back as it was given, so that nothing it set for
// itself reaches the programs it starts.
void restartWithHugePages(char** argv);

}  // namespace brimlet
