# SPDX-License-Identifier: GPL-3.0-or-later
# Installation into any prefix, and the Debian package built from it.
include(GNUInstallDirs)

set(brimlet_programs brimlet-cli)
if(BRIMLET_GUI)
  list(PREPEND brimlet_programs brimlet)
endif()
install(TARGETS ${brimlet_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The program looks for its help page in <exe>/../share/brimlet/.
install(FILES doc/Brimlet.html DESTINATION ${CMAKE_INSTALL_DATADIR}/brimlet)
install(FILES doc/brimlet-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(BRIMLET_GUI)
  install(FILES data/brimlet.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # Exec names the installed program by its full path, so the entry starts it
  # from a prefix that is not on PATH. The prefix is known only at install
  # time (cmake --install --prefix), hence the entry is made then.
  set(brimlet_desktop_entry ${CMAKE_CURRENT_BINARY_DIR}/brimlet.desktop)
  install(CODE "
    set(BRIMLET_ENTRY_IN \"${PROJECT_SOURCE_DIR}/data/brimlet.desktop.in\")
    set(BRIMLET_ENTRY_OUT \"${brimlet_desktop_entry}\")
    set(BRIMLET_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/BrimletDesktopEntry.cmake\")")
  install(FILES ${brimlet_desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()

set(CPACK_PACKAGE_NAME brimlet)
set(CPACK_PACKAGE_VENDOR "Brimlet")
set(CPACK_PACKAGE_CONTACT "Brimlet <brimlet@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Folder lists, a text workshop and a batch renamer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Reads the names of the files in a folder into a list, sorts it into extension groups, "
       "cleans it up and writes it out; works on one text with several dozen byte-exact "
       "operations; renames the files of a folder from a list. German user interface.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)  # opens the help page in the browser
set(CPACK_STRIP_FILES ON)
include(CPack)
