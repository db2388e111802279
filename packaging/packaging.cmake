# Desktop integration and the Debian package: the desktop entry, the
# AppStream metadata, the icons, and CPack's settings for `make package`.
# Included from the top-level CMakeLists.txt after the game's target exists.

# The one application id. The desktop entry's file name, the icon name, the
# metadata's id and the name the program gives itself at run time must all
# agree, or desktops show a generic icon and fail to match the window to its
# launcher. Lower case, as freedesktop.org recommends for AppStream ids.
set(GLINT_APP_ID org.kqproductions.glintgalore)
set(GLINT_PROJECT_LICENSE GPL-3.0-or-later)
# Fixed here rather than taken from the clock so that rebuilding a release
# gives the same metadata.
set(GLINT_RELEASE_DATE 2026-12-06)

target_compile_definitions(glint-galore PRIVATE GLINT_APP_ID="${GLINT_APP_ID}")
# The sound stream carries it too, for desktops' volume controls.
target_compile_definitions(glint_sound PRIVATE GLINT_APP_ID="${GLINT_APP_ID}")

set(GLINT_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/${GLINT_APP_ID}.desktop)
set(GLINT_METAINFO_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/${GLINT_APP_ID}.metainfo.xml)
# The metadata's release notes are the items of the changelog's newest
# entry, which ends at its " -- " signature line.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in glint_changelog_lines)
set(GLINT_RELEASE_NOTES "")
foreach(line IN LISTS glint_changelog_lines)
  if(line MATCHES "^ -- ")
    break()
  endif()
  string(REGEX REPLACE "^ +(\\* )?" "" text "${line}")
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  if(line MATCHES "^  \\* ")
    string(APPEND GLINT_RELEASE_NOTES "</li>\n          <li>${text}")
  elseif(line MATCHES "^    [^ ]")
    string(APPEND GLINT_RELEASE_NOTES " ${text}")
  endif()
endforeach()
string(REGEX REPLACE "^</li>\n *" "" GLINT_RELEASE_NOTES "${GLINT_RELEASE_NOTES}</li>")
configure_file(${CMAKE_CURRENT_LIST_DIR}/glint-galore.desktop.in ${GLINT_DESKTOP_FILE} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/glint-galore.metainfo.xml.in ${GLINT_METAINFO_FILE} @ONLY)

install(FILES ${GLINT_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GLINT_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(GLINT_ICON_SIZES 32 48 64 128 256)
foreach(size IN LISTS GLINT_ICON_SIZES)
  install(FILES ${PROJECT_SOURCE_DIR}/src/ui/pictures/icon${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${GLINT_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/pictures/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${GLINT_APP_ID}.svg)

# The Debian package (`make package`, or `cpack -G DEB` in the build tree).
set(GLINT_PACKAGE_MAINTAINER "KQProductions <glint-galore@kqproductions.org>"
    CACHE STRING "Maintainer field of the Debian package")

# The manual page and the changelog, compressed the way Debian wants them:
# at the highest level and without a name or time stamp in the header.
find_program(GLINT_GZIP gzip REQUIRED)
execute_process(COMMAND date -u -R -d "${GLINT_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE GLINT_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(GLINT_MANUAL_PAGE ${CMAKE_CURRENT_BINARY_DIR}/packaging/glint-galore.6)
set(GLINT_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/glint-galore.6.in ${GLINT_MANUAL_PAGE} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${GLINT_CHANGELOG} @ONLY)
foreach(document ${GLINT_MANUAL_PAGE} ${GLINT_CHANGELOG})
  add_custom_command(OUTPUT ${document}.gz
                     COMMAND ${GLINT_GZIP} -9nkf ${document}
                     DEPENDS ${document} VERBATIM)
endforeach()
add_custom_target(glint_documents ALL DEPENDS ${GLINT_MANUAL_PAGE}.gz ${GLINT_CHANGELOG}.gz)

install(FILES ${GLINT_MANUAL_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${GLINT_CHANGELOG}.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/glint-galore)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glint-galore)
set(CPACK_PACKAGE_VENDOR KQProductions)
set(CPACK_PACKAGE_CONTACT ${GLINT_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-reel fruit machine played with pretend coins")
set(CPACK_PACKAGE_DESCRIPTION
  "Feed coins into credit, press Start and watch three reels of sixteen symbols\n"
  "turn and stop one after the other. Scoring symbols climb an eight-rung trail\n"
  "ladder that leads to a bonus selector, three in a row, nudges, hold offers\n"
  "and trail holds.\n"
  "\n"
  "All money in the game is play money: nothing is ever paid out.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

# The Debian package installs under /usr, CPack's default for it; setting
# the prefix here would also push the source archive down into usr/.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps. It cannot see
# what is found by name at run time: the fonts the window asks for by family
# (Liberation Sans/Serif and DejaVu Sans stand in for the design's Arial,
# Times New Roman and Verdana).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# Sound goes to a PulseAudio-protocol server (PulseAudio, or PipeWire's
# pipewire-pulse) found at run time. Without one the game is silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")
# Qt's own texts (the message boxes' buttons) in the player's language.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-translations-l10n")
# In a Wayland session the game runs on Qt's Wayland platform, also found by
# name at run time; without it a session without XWayland has no display.
# The game reaches Qt's Wayland connection through Qt's platform interface,
# whose binary interface holds within one Qt release only: Debian's Qt names
# that release as qt6-base-abi, as for every user of Qt's private headers.
find_package(Qt6 REQUIRED COMPONENTS Core)
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-wayland, qt6-base-abi (= ${Qt6Core_VERSION})")

# A source archive holds the checkout, not its build trees or history.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")

include(CPack)
