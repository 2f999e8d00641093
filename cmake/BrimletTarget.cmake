# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings and sanitizers for every target of the project.
function(brimlet_configure target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                         -Wno-sign-conversion -Wnon-virtual-dtor -Woverloaded-virtual)
  if(BRIMLET_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(BRIMLET_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  if(BRIMLET_SANITIZE OR BRIMLET_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A static library of one module; its headers are included as "module/file.h".
function(brimlet_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  brimlet_configure(${name})
endfunction()
