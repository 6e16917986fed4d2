# SPDX-License-Identifier: Apache-2.0
# docs: the API reference of the module's public headers (editors, views,
# conversion; not the stand-ins under src/platform, nor detail/ folders), made
# by Doxygen into build/docs/html from the headers' /// comments, with the
# README as its main page. Not part of the default build. With
# -DPLIVEXWIN_DOCS_WERROR=ON any Doxygen warning fails the target, as in
# .ci/run.

option(PLIVEXWIN_DOCS_WERROR "Fail the docs target on any Doxygen warning" OFF)

find_package(Doxygen)
if(NOT DOXYGEN_FOUND)
  message(STATUS "Doxygen was not found: no docs target (Debian: apt-get install doxygen)")
  return()
endif()

set(PLIVEXWIN_DOCS_FOLDERS editors)
if(NOT PLIVEXWIN_EDITORS_ONLY)
  list(APPEND PLIVEXWIN_DOCS_FOLDERS views vrml)
endif()
list(TRANSFORM PLIVEXWIN_DOCS_FOLDERS PREPEND ${PROJECT_SOURCE_DIR}/src/)

set(DOXYGEN_PROJECT_NAME PlivexWin)
set(DOXYGEN_PROJECT_BRIEF "Editors of axes and legends, view node kits and VRML 2.0 conversion")
set(DOXYGEN_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/docs)
set(DOXYGEN_USE_MDFILE_AS_MAINPAGE ${PROJECT_SOURCE_DIR}/README.md)
set(DOXYGEN_IMAGE_PATH ${PROJECT_SOURCE_DIR}/docs)
set(DOXYGEN_FILE_PATTERNS *.h)
set(DOXYGEN_EXCLUDE_PATTERNS */detail/*)
# Paths as the headers include each other ("views/PoView.h").
set(DOXYGEN_STRIP_FROM_PATH ${PROJECT_SOURCE_DIR}/src)
set(DOXYGEN_STRIP_FROM_INC_PATH ${PROJECT_SOURCE_DIR}/src)
# Every class and member shows, documented or not: a comment above several
# declarations documents the first, as the header reads.
set(DOXYGEN_EXTRACT_ALL YES)
set(DOXYGEN_JAVADOC_AUTOBRIEF YES)
# The class macros of the toolkit declare its type machinery: left out. The
# non-linear legend editors' shared members are expanded where they are used.
set(DOXYGEN_ENABLE_PREPROCESSING YES)
set(DOXYGEN_MACRO_EXPANSION YES)
set(DOXYGEN_EXPAND_ONLY_PREDEF YES)
set(DOXYGEN_SEARCH_INCLUDES YES)
set(DOXYGEN_INCLUDE_PATH ${PROJECT_SOURCE_DIR}/src)
set(DOXYGEN_PREDEFINED "SO_KIT_HEADER(className,parentName)=" "SO_KIT_ABSTRACT_HEADER(className,parentName)=")
set(DOXYGEN_EXPAND_AS_DEFINED PO_XT_NON_LINEAR_VALUE_LEGEND_LEVEL_MEMBERS)
set(DOXYGEN_GENERATE_LATEX NO)
set(DOXYGEN_QUIET YES)
if(PLIVEXWIN_DOCS_WERROR)
  # Reports every warning, then fails.
  set(DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
endif()

doxygen_add_docs(docs ${PLIVEXWIN_DOCS_FOLDERS} ${PROJECT_SOURCE_DIR}/README.md
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "API reference into ${CMAKE_BINARY_DIR}/docs/html")
