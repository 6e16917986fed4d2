# SPDX-License-Identifier: Apache-2.0
# What `cmake --install` puts under the prefix: the libraries, their public
# headers under include/PlivexWin/ with the folders of src/ (so that include
# names stay "platform/scenar/Scenar.h", "editors/axis/PoXtLinearAxisEditor.h"),
# the program, a package configuration for find_package(PlivexWin CONFIG) with
# its components, and plivexwin.pc for pkg-config.

include(CMakePackageConfigHelpers)

set(PLIVEXWIN_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/PlivexWin)

install(TARGETS gl scenar scenarwin plivex PlivexWin
  EXPORT PlivexWinTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# The program finds the libraries in the library folder next to its own.
file(RELATIVE_PATH PLIVEXWIN_BIN_TO_LIB
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
set_target_properties(plivexwin PROPERTIES INSTALL_RPATH "$ORIGIN/${PLIVEXWIN_BIN_TO_LIB}")
install(TARGETS plivexwin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The headers of a folder of src/ and its subfolders, but for the private
# detail/ folders.
function(plivexwin_install_headers folder)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/${folder}/
    DESTINATION ${PLIVEXWIN_INSTALL_INCLUDEDIR}/${folder}
    FILES_MATCHING PATTERN "*.h"
    PATTERN "detail" EXCLUDE)
endfunction()

# The folders of src/ with public headers; cmake/HeaderCheck.cmake compiles
# each of their headers alone.
set(PLIVEXWIN_PUBLIC_HEADER_FOLDERS
  platform/gl platform/scenar platform/scenarwin platform/plivex editors)
if(NOT PLIVEXWIN_EDITORS_ONLY)
  list(APPEND PLIVEXWIN_PUBLIC_HEADER_FOLDERS views vrml)
endif()
foreach(folder ${PLIVEXWIN_PUBLIC_HEADER_FOLDERS})
  plivexwin_install_headers(${folder})
endforeach()

install(FILES ${PROJECT_BINARY_DIR}/generated/PlivexWinVersion.h
  DESTINATION ${PLIVEXWIN_INSTALL_INCLUDEDIR})

# The components the package offers: the editors always, the views and the
# conversion to VRML in the full build.
if(PLIVEXWIN_EDITORS_ONLY)
  set(PLIVEXWIN_FULL_BUILD FALSE)
  set(PLIVEXWIN_PC_CFLAGS " -DPLIVEXWIN_EDITORS_ONLY=1")
else()
  set(PLIVEXWIN_FULL_BUILD TRUE)
  set(PLIVEXWIN_PC_CFLAGS "")
endif()
# The prefix as seen from the .pc file, so that the installed tree can move.
file(RELATIVE_PATH PLIVEXWIN_PC_TO_PREFIX
  ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" PLIVEXWIN_PC_TO_PREFIX "${PLIVEXWIN_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/plivexwin.pc.in
  ${CMAKE_CURRENT_BINARY_DIR}/plivexwin.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/plivexwin.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(EXPORT PlivexWinTargets
  NAMESPACE PlivexWin::
  DESTINATION ${PLIVEXWIN_PACKAGE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/PlivexWinConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/PlivexWinConfig.cmake
  INSTALL_DESTINATION ${PLIVEXWIN_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PlivexWinConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/PlivexWinConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/PlivexWinConfigVersion.cmake
  DESTINATION ${PLIVEXWIN_PACKAGE_DIR})
