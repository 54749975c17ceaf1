# SPDX-License-Identifier: GPL-3.0-or-later
# Installed as a Windows program keeps itself: both programs in one folder, with the README, the
# licence, the command line's help as text and the demo game beside them. cpack makes a zip of
# that folder and an installer that adds a Start menu entry and opens packs (.ixo) with the window.
install(TARGETS flightdeck flightdeck-cli RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/demo-game DESTINATION .)

# The help as the Windows program gives it, under Wine, in a Wine prefix of the build's own.
set(help ${CMAKE_CURRENT_BINARY_DIR}/flightdeck-cli-help.txt)
add_custom_command(
  OUTPUT ${help}
  COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
          ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:flightdeck-cli> --help > ${help}
  DEPENDS flightdeck-cli
  VERBATIM)
add_custom_target(flightdeck_cli_help ALL DEPENDS ${help})
install(FILES ${help} DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME flightdeck-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Flightdeck)
set(CPACK_PACKAGE_EXECUTABLES flightdeck Flightdeck)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer, like the programs: it runs where 32-bit programs cannot.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME Flightdeck)
set(CPACK_NSIS_PACKAGE_NAME Flightdeck)
set(CPACK_NSIS_INSTALLED_ICON_NAME flightdeck.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# Packs open with the window; the uninstaller takes the association back if it is still ours.
set(classes "Software\\\\Classes")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr SHCTX '${classes}\\\\.ixo' '' 'Flightdeck.Pack'
  WriteRegStr SHCTX '${classes}\\\\Flightdeck.Pack' '' 'Flightdeck mission pack'
  WriteRegStr SHCTX '${classes}\\\\Flightdeck.Pack\\\\DefaultIcon' '' '$INSTDIR\\\\flightdeck.exe,0'
  WriteRegStr SHCTX '${classes}\\\\Flightdeck.Pack\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\flightdeck.exe\\\" \\\"%1\\\"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  ReadRegStr $0 SHCTX '${classes}\\\\.ixo' ''
  StrCmp $0 'Flightdeck.Pack' 0 +2
  DeleteRegKey SHCTX '${classes}\\\\.ixo'
  DeleteRegKey SHCTX '${classes}\\\\Flightdeck.Pack'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
