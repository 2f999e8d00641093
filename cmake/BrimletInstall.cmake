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

# The package's Maintainer field and the changelog's signature. The project
# has no contact address of its own, and a made-up one would mislead, so a
# packager gives a real one: -DBRIMLET_PACKAGE_MAINTAINER="Name <address>".
set(BRIMLET_PACKAGE_MAINTAINER "Brimlet developers"
    CACHE STRING "Maintainer of the Debian package: a name and a real mail address")

# Manual pages carry the project's version and are installed compressed, as
# Debian keeps them. gzip -n leaves out the time stamp, so a rebuild gives the
# same bytes.
find_program(BRIMLET_GZIP gzip REQUIRED)
function(brimlet_gzipped source output)
  configure_file(${source} ${CMAKE_CURRENT_BINARY_DIR}/packaging/${output} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/${output}.gz
                     COMMAND ${BRIMLET_GZIP} -9n -c ${output} > ${output}.gz
                     DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/packaging/${output}
                     WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
endfunction()

set(brimlet_pages brimlet-cli.1)
if(BRIMLET_GUI)
  list(PREPEND brimlet_pages brimlet.1)
endif()
set(brimlet_compressed_docs)
foreach(page ${brimlet_pages})
  brimlet_gzipped(doc/${page} ${page})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${page}.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  list(APPEND brimlet_compressed_docs ${CMAKE_CURRENT_BINARY_DIR}/packaging/${page}.gz)
endforeach()

file(STRINGS packaging/changelog.in brimlet_latest_change LIMIT_COUNT 1)
if(NOT brimlet_latest_change MATCHES "^brimlet \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog.in has no entry on top for ${PROJECT_VERSION}")
endif()
brimlet_gzipped(packaging/changelog.in changelog)
list(APPEND brimlet_compressed_docs ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
add_custom_target(compressed_docs ALL DEPENDS ${brimlet_compressed_docs})
# Named after the package, not the project: CMAKE_INSTALL_DOCDIR would say
# "Brimlet", and Debian looks in share/doc/<package>.
install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/brimlet)

if(BRIMLET_GUI)
  install(FILES data/brimlet.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # Qt without its SVG module finds only this one in the theme.
  install(FILES data/brimlet.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
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
set(CPACK_PACKAGE_CONTACT "${BRIMLET_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Folder lists, a text workshop and a batch renamer")
# Broken by hand: the package's description lines must stay under 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Reads the names of the files in a folder into a list, sorts it into\n"
       "extension groups, cleans it up and writes it out; works on one text with\n"
       "several dozen byte-exact operations; renames the files of a folder from\n"
       "a list. German user interface; brimlet-cli runs the same tools without\n"
       "windows.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-utils opens the help page in the browser; without Qt's translations
# the file and message dialogs speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
