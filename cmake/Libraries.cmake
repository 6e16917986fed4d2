# SPDX-License-Identifier: Apache-2.0
# What every shared library of the project shares: its headers from src/ in
# the build and from include/PlivexWin/ once installed, a file name with the
# project's prefix (libPlivexWinGL.so for the target gl), and the project's
# version with the major version as the ABI version.

set(PLIVEXWIN_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/PlivexWin)

function(plivexwin_library target file_name)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<INSTALL_INTERFACE:${PLIVEXWIN_INSTALL_INCLUDEDIR}>)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${file_name}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
endfunction()
