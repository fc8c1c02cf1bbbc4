# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration (desktop entry, icon, AppStream metainfo), manual pages, the package's
# documents, and the Debian package built by `cpack -G DEB` from the build tree.
include(GNUInstallDirs)

set(VORN_APP_ID org.vorn.Vorn)
# The release of PROJECT_VERSION: shown in the metainfo, the manual pages and the changelog.
set(VORN_RELEASE_DATE 2026-12-10)
set(VORN_HOMEPAGE "" CACHE STRING
  "Vorn's web address, for the metainfo and the package; the README's screenshots must be under its docs/")
set(VORN_PACKAGE_MAINTAINER "The Vorn developers <vorn@example.org>" CACHE STRING
  "Maintainer field of the Debian package and its changelog")

execute_process(COMMAND date -u -R -d "${VORN_RELEASE_DATE} 00:00:00"
  OUTPUT_VARIABLE VORN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(VORN_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)
set(VORN_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vorn)

install(FILES data/${VORN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES data/icons/${VORN_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# The metainfo for the web address HOMEPAGE, written to OUTPUT. Software centres show the
# README's screenshots, which AppStream takes by web address only: without a homepage the
# metainfo names neither.
function(vorn_configure_metainfo homepage output)
  string(REGEX REPLACE "/+$" "" homepage "${homepage}")
  set(VORN_METAINFO_WEB "")
  if(homepage)
    if(NOT homepage MATCHES "^https?://[^ <>&\"]+$")
      message(FATAL_ERROR "VORN_HOMEPAGE must be a web address (https://...), not '${homepage}'")
    endif()
    set(VORN_METAINFO_WEB "  <url type=\"homepage\">${homepage}</url>
  <screenshots>
    <screenshot type=\"default\">
      <caption>A template for the VQ5040 keyboard</caption>
      <image>${homepage}/docs/screenshot-vq5040.png</image>
    </screenshot>
    <screenshot>
      <caption>A template for the TR6080 keyboard</caption>
      <image>${homepage}/docs/screenshot-tr6080.png</image>
    </screenshot>
  </screenshots>")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/data/${VORN_APP_ID}.metainfo.xml.in ${output} @ONLY)
endfunction()
vorn_configure_metainfo("${VORN_HOMEPAGE}" ${VORN_PACKAGING_DIR}/${VORN_APP_ID}.metainfo.xml)
install(FILES ${VORN_PACKAGING_DIR}/${VORN_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# Shell completion for vornctl. bash: where bash-completion's pkg-config file says, taken
# relative to its prefix so that it lands under ours (share/bash-completion/completions).
# zsh: Debian's folder for packaged completions (an install under /usr/local wants
# share/zsh/site-functions).
find_package(PkgConfig QUIET)
set(VORN_BASH_COMPLETION_FOLDER ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions)
if(PKG_CONFIG_FOUND)
  pkg_get_variable(VORN_BASH_COMPLETION_PC_DIR bash-completion completionsdir)
  pkg_get_variable(VORN_BASH_COMPLETION_PC_PREFIX bash-completion prefix)
  string(FIND "${VORN_BASH_COMPLETION_PC_DIR}" "${VORN_BASH_COMPLETION_PC_PREFIX}/" at)
  if(VORN_BASH_COMPLETION_PC_PREFIX AND at EQUAL 0)
    string(LENGTH "${VORN_BASH_COMPLETION_PC_PREFIX}/" length)
    string(SUBSTRING "${VORN_BASH_COMPLETION_PC_DIR}" ${length} -1 VORN_BASH_COMPLETION_FOLDER)
  endif()
endif()
set(VORN_BASH_COMPLETION_DIR ${VORN_BASH_COMPLETION_FOLDER} CACHE STRING
  "Folder of bash completions, relative to the install prefix")
set(VORN_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATAROOTDIR}/zsh/vendor-completions CACHE STRING
  "Folder of zsh completions, relative to the install prefix")
install(FILES completions/vornctl.bash DESTINATION ${VORN_BASH_COMPLETION_DIR} RENAME vornctl)
install(FILES completions/_vornctl DESTINATION ${VORN_ZSH_COMPLETION_DIR})

# Manual pages and the changelog are installed compressed, as Debian wants them (gzip -9n keeps
# the package reproducible).
set(VORN_COMPRESSED_FILES)
function(vorn_gzip_configured source name)
  configure_file(${source} ${VORN_PACKAGING_DIR}/${name} @ONLY)
  add_custom_command(OUTPUT ${VORN_PACKAGING_DIR}/${name}.gz
    COMMAND gzip -9n -f -k ${name}
    WORKING_DIRECTORY ${VORN_PACKAGING_DIR}
    DEPENDS ${VORN_PACKAGING_DIR}/${name} VERBATIM)
  set(VORN_COMPRESSED_FILES ${VORN_COMPRESSED_FILES} ${VORN_PACKAGING_DIR}/${name}.gz PARENT_SCOPE)
endfunction()
vorn_gzip_configured(docs/man/vorn.1.in vorn.1)
vorn_gzip_configured(docs/man/vornctl.1.in vornctl.1)
vorn_gzip_configured(packaging/debian/changelog.in changelog)
add_custom_target(vorn_packaging_files ALL DEPENDS ${VORN_COMPRESSED_FILES})

install(FILES ${VORN_PACKAGING_DIR}/vorn.1.gz ${VORN_PACKAGING_DIR}/vornctl.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md packaging/debian/copyright ${VORN_PACKAGING_DIR}/changelog.gz
  DESTINATION ${VORN_DOC_DIR})
install(FILES packaging/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
  RENAME vorn)

# A stripped install (the package's) also drops the compilers' names and versions (.comment),
# as Debian's own strip does; the C runtime's start files bring theirs.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program vorn vornctl)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/\${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

# The Debian package. The window needs Qt's SVG plugin (toolbar and application icons) and a
# platform plugin, which the shared library dependencies do not name.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorn)
set(CPACK_PACKAGE_VENDOR "The Vorn developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and uploader for programmable point-of-sale keyboards")
set(CPACK_PACKAGE_DESCRIPTION
  "Vorn edits the templates of programmable point-of-sale keyboards: what every
key sends (characters, PC scan codes, delays, shift levels, media keys) and
how the keyboard's card reader and serial port behave. It keeps templates as
files and text files, writes them into the keyboard over USB and reads them
back.

The command-line tool vornctl does the same for scripts. A built-in keyboard
simulator lets users try everything without hardware. The package brings the
udev rule that gives the user at the seat access to the keyboard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VORN_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(VORN_HOMEPAGE)
  string(REGEX REPLACE "/+$" "" CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VORN_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins")
# Qt's own dialogs and buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/packaging/debian/postinst ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
