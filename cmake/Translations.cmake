# SPDX-License-Identifier: GPL-3.0-or-later
# The editor's translations: translations/vorn_LANG.ts in the source tree, built into .qm files
# by lrelease and installed under share/vorn/translations. The build tree keeps them in the same
# place relative to bin/, so the editor finds them beside itself in both.
# `cmake --build build --target update_translations` brings every .ts up to date with the texts.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
include(GNUInstallDirs)

set(VORN_TRANSLATIONS_DIR ${CMAKE_INSTALL_DATADIR}/vorn/translations)
file(GLOB VORN_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/vorn_*.ts)
set_source_files_properties(${VORN_TS_FILES}
  PROPERTIES OUTPUT_LOCATION ${PROJECT_BINARY_DIR}/${VORN_TRANSLATIONS_DIR})

# The libraries whose texts the editor shows. Those without Qt mark their texts with
# VORN_TRANSLATE_NOOP and translate them with translateText (document/Translation.h).
set(VORN_TRANSLATED_SOURCES)
foreach(folder image document transfer editor view ui)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h
    ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  list(APPEND VORN_TRANSLATED_SOURCES ${sources})
endforeach()
set(VORN_LUPDATE_OPTIONS -locations none -no-obsolete
  -tr-function-alias translate+=translateText,QT_TRANSLATE_NOOP+=VORN_TRANSLATE_NOOP)

qt6_add_lupdate(vorn TS_FILES ${VORN_TS_FILES} SOURCES ${VORN_TRANSLATED_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src OPTIONS ${VORN_LUPDATE_OPTIONS})
qt6_add_lrelease(vorn TS_FILES ${VORN_TS_FILES} QM_FILES_OUTPUT_VARIABLE VORN_QM_FILES)
install(FILES ${VORN_QM_FILES} DESTINATION ${VORN_TRANSLATIONS_DIR})
