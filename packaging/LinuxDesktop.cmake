# SPDX-License-Identifier: GPL-3.0-or-later
# Installed like a Linux desktop program: the programs, a desktop entry with the pack's MIME
# type, the icon, AppStream metainfo, the README, the licence, the manual pages and the shell
# completions.
include(GNUInstallDirs)

install(TARGETS flightdeck-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Manual pages and the changelog go in compressed, as Debian keeps them.
set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed)
set(gzipped)
foreach(file flightdeck.1 flightdeck-cli.1 changelog)
  add_custom_command(
    OUTPUT ${compressed}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed}
    COMMAND gzip -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${compressed}/${file}.gz
    DEPENDS ${file}
    VERBATIM)
  list(APPEND gzipped ${compressed}/${file}.gz)
endforeach()
add_custom_target(flightdeck_compressed_docs ALL DEPENDS ${gzipped})
install(FILES ${compressed}/flightdeck-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md copyright ${compressed}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/flightdeck)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/flightdeck/docs)

# Shell completions, made by flightdeck-cli from its own command table, in the folders where
# bash-completion, zsh and fish look for them.
set(completions ${CMAKE_CURRENT_BINARY_DIR}/completions)
add_custom_command(
  OUTPUT ${completions}/flightdeck-cli ${completions}/_flightdeck-cli
         ${completions}/flightdeck-cli.fish
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:flightdeck-cli> -DOUT=${completions} -P
          ${CMAKE_CURRENT_SOURCE_DIR}/completions.cmake
  DEPENDS flightdeck-cli completions.cmake
  VERBATIM)
add_custom_target(flightdeck_completions ALL DEPENDS ${completions}/flightdeck-cli)
install(FILES ${completions}/flightdeck-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${completions}/_flightdeck-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${completions}/flightdeck-cli.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

if(FLIGHTDECK_GUI)
  install(TARGETS flightdeck RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${compressed}/flightdeck.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # Desktop entry, MIME package and icon are named after the application id.
  set(app_id io.github.flightdeck.Flightdeck)
  install(FILES ${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${app_id}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME ${app_id}.xml)
  install(FILES flightdeck.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${app_id}.svg)
  install(FILES flightdeck-256.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
          RENAME ${app_id}.png)
  install(FILES io.github.flightdeck.Flightdeck.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The About box links to the demo game where it lies.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/demo-game
          DESTINATION ${CMAKE_INSTALL_DATADIR}/flightdeck)
endif()
