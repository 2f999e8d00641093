# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time: makes the desktop entry whose Exec names the program
# in the prefix it is being installed into. Expects BRIMLET_ENTRY_IN,
# BRIMLET_ENTRY_OUT and BRIMLET_BINDIR.
set(BRIMLET_EXEC "${CMAKE_INSTALL_PREFIX}/${BRIMLET_BINDIR}/brimlet")
if(BRIMLET_EXEC MATCHES "[^A-Za-z0-9/._+-]")
  # A quoted argument escapes \ " ` $ with a backslash, and the entry's string
  # escaping then doubles every backslash.
  string(REPLACE "\\" "\\\\\\\\" BRIMLET_EXEC "${BRIMLET_EXEC}")
  foreach(reserved "\"" "`" "$")
    string(REPLACE "${reserved}" "\\\\${reserved}" BRIMLET_EXEC "${BRIMLET_EXEC}")
  endforeach()
  set(BRIMLET_EXEC "\"${BRIMLET_EXEC}\"")
endif()
configure_file("${BRIMLET_ENTRY_IN}" "${BRIMLET_ENTRY_OUT}" @ONLY)
