# What `cmake --install` puts under its prefix, and the Debian package CPack makes of it.

include(GNUInstallDirs)

set(ZARQ_APP_ID org.zarqradoziro.Settings)

install(TARGETS zarq-settings zarq-preset RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${ZARQ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${ZARQ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/zarq-settings.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man pages from the programs' own --help, with the sections --help leaves out.
find_program(HELP2MAN help2man REQUIRED)
foreach(program zarq-settings zarq-preset)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${program}.1)
  add_custom_command(OUTPUT ${page}
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr
      --include=${CMAKE_CURRENT_SOURCE_DIR}/data/man/${program}.h2m --output=${page}
      $<TARGET_FILE:${program}>
    DEPENDS ${program} data/man/${program}.h2m)
  list(APPEND ZARQ_MAN_PAGES ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${ZARQ_MAN_PAGES})
install(FILES ${ZARQ_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarq-settings)
set(CPACK_PACKAGE_VENDOR "Zarq Radoziro settings editor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings editor of the Zarq Radoziro chart-video recorder")
set(CPACK_PACKAGE_DESCRIPTION
  "A chart author fills in one form that tells the recorder how to turn a chart into a video; "
  "the editor checks every value as it is typed and saves the form as a .set preset. "
  "zarq-preset works on presets from the command line.")
set(CPACK_PACKAGE_CONTACT "Zarq Radoziro settings editor team <zarq-settings@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# Libraries as the binaries need them; the Chinese font and the SVG loader for the icon
# are needed by the window but linked by nothing.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "librsvg2-common, sound-theme-freedesktop")
include(CPack)
