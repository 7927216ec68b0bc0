# What `cmake --install` puts under its prefix, and the Debian package CPack makes of it.

include(GNUInstallDirs)

set(ZARQ_APP_ID org.zarqradoziro.Settings)

install(TARGETS zarq-settings zarq-preset RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "set(ZARQ_DESKTOP_ENTRY [[${CMAKE_CURRENT_SOURCE_DIR}/data/${ZARQ_APP_ID}.desktop]])
  set(ZARQ_BINDIR [[${CMAKE_INSTALL_BINDIR}]])
  set(ZARQ_DATADIR [[${CMAKE_INSTALL_DATADIR}]])")
install(SCRIPT cmake/desktop_entry.cmake)
install(FILES data/${ZARQ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/zarq-settings.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The preset file type, which the desktop entry says the editor opens.
install(FILES data/${ZARQ_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${ZARQ_APP_ID}.xml)
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zarq-settings)
# Where bash-completion looks for a command's completion when it is first typed.
install(FILES data/bash-completion/zarq-preset
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Man pages from the programs' own help (zarq-preset's with every command's, --help-all), with
# the sections the help leaves out, compressed as man expects them.
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
set(ZARQ_HELP_OPTION_zarq-settings --help)
set(ZARQ_HELP_OPTION_zarq-preset --help-all)
foreach(program zarq-settings zarq-preset)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr --help-option=${ZARQ_HELP_OPTION_${program}}
      --include=${CMAKE_CURRENT_SOURCE_DIR}/data/man/${program}.h2m --output=${page}
      $<TARGET_FILE:${program}>
    COMMAND ${GZIP} -9nf ${page}
    DEPENDS ${program} data/man/${program}.h2m)
  list(APPEND ZARQ_MAN_PAGES ${page}.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${ZARQ_MAN_PAGES})
install(FILES ${ZARQ_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Installed straight onto a machine (not staged for a package, whose installation does it),
# the desktop learns the new file type and which program opens it.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(ZARQ_UPDATE_MIME update-mime-database)
    find_program(ZARQ_UPDATE_DESKTOP update-desktop-database)
    foreach(command "${ZARQ_UPDATE_MIME};${CMAKE_INSTALL_PREFIX}/share/mime"
        "${ZARQ_UPDATE_DESKTOP};-q;${CMAKE_INSTALL_PREFIX}/share/applications")
      execute_process(COMMAND ${command} RESULT_VARIABLE failed OUTPUT_VARIABLE said
        ERROR_VARIABLE said)
      if(failed)
        message(WARNING "${command}: ${said}")
      endif()
    endforeach()
  endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarq-settings)
set(CPACK_PACKAGE_VENDOR "Zarq Radoziro settings editor team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings editor of the Zarq Radoziro chart-video recorder")
# One string, its lines as Debian shows them under the summary (a list of strings would be
# joined with semicolons).
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A chart author fills in one form that tells the recorder how to turn a chart"
  "into a video. The editor checks every value as it is typed, explains every"
  "field, imports a chart's song, level and media, and saves the form as a .set"
  "preset that the recorder reads."
  ""
  "zarq-preset prints, makes, checks and draws presets from the command line.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zarqradoziro.org/settings/)
set(CPACK_PACKAGE_CONTACT "Zarq Radoziro settings editor team <zarq-settings@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# Libraries as the binaries need them; the Chinese font is needed by the window, the SVG
# loader by the menus showing the installed icon and the sound library by the bell (opened
# when it first rings, the X bell where it is missing), but the binaries link none of them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, libcanberra-gtk3-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "librsvg2-common, sound-theme-freedesktop")
include(CPack)
