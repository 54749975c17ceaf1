# SPDX-License-Identifier: GPL-3.0-or-later
# The window's translations: translations/*.ts, kept by lupdate (the translations test tells
# what is missing), are compiled by lrelease and built into the window, so that every copy of it,
# installed or not, on Linux or on Windows, finds them.
#
# lrelease is the host's (Debian's qt6-l10n-tools): a Windows build made here runs it too.
find_program(FLIGHTDECK_LRELEASE NAMES lrelease-qt6 lrelease
             HINTS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin REQUIRED)
find_program(FLIGHTDECK_LUPDATE NAMES lupdate-qt6 lupdate
             HINTS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin REQUIRED)

# Resources without the times of their files (rcc's first format), so that two builds give the
# same bytes.
set(FLIGHTDECK_RCC_OPTIONS --format-version 1)

function(flightdeck_add_translations target)
  file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
  set(qm_files)
  foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/translations/${name}.qm)
    add_custom_command(OUTPUT ${qm}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/translations
                       COMMAND ${FLIGHTDECK_LRELEASE} -silent ${ts} -qm ${qm}
                       DEPENDS ${ts} VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  add_custom_target(${target}_qm DEPENDS ${qm_files})
  qt_add_resources(${target} flightdeck_translations
                   PREFIX /translations
                   BASE ${CMAKE_CURRENT_BINARY_DIR}/translations
                   FILES ${qm_files} OPTIONS ${FLIGHTDECK_RCC_OPTIONS})
  add_dependencies(${target} ${target}_qm)
endfunction()
