# SPDX-License-Identifier: Apache-2.0
# header_check: compiles every installed header alone, each in a source of its
# own that includes it twice (once for what it needs, once for its guard), so
# that a header missing an #include of its own fails here instead of in a
# user's project. Not part of the default build; .ci/run builds it.
#
# The headers are those cmake/Install.cmake installs: the folders of
# PLIVEXWIN_PUBLIC_HEADER_FOLDERS but for detail/ folders, found again when
# headers come, go or move.

set(PLIVEXWIN_HEADER_CHECK_DIR ${CMAKE_CURRENT_BINARY_DIR}/header_check)
set(PLIVEXWIN_HEADER_CHECK_SOURCES)
foreach(folder ${PLIVEXWIN_PUBLIC_HEADER_FOLDERS})
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/src
    ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  list(FILTER headers EXCLUDE REGEX "(^|/)detail/")
  foreach(header ${headers})
    set(source ${PLIVEXWIN_HEADER_CHECK_DIR}/${header}.cpp)
    # Written only when the text changes, so that a new configuration
    # compiles nothing again.
    file(CONFIGURE OUTPUT ${source} CONTENT
      "#include \"${header}\"\n#include \"${header}\"\n" @ONLY)
    list(APPEND PLIVEXWIN_HEADER_CHECK_SOURCES ${source})
  endforeach()
endforeach()

add_library(header_check OBJECT EXCLUDE_FROM_ALL ${PLIVEXWIN_HEADER_CHECK_SOURCES})
# The include folder and definitions a user of the package gets.
target_link_libraries(header_check PRIVATE PlivexWin)
