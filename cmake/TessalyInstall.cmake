# Installing and packaging. An installed tessaly finds its shipped defaults
# in share/tessaly/ beside its bin/ folder and keeps the user's copies in
# $XDG_DATA_HOME/tessaly/; the desktop finds it through the entry, icon and
# AppStream metadata under share/.
include(GNUInstallDirs)

set(TESSALY_APP_ID org.example.tessaly.Tessaly)
set(TESSALY_DESKTOP_DATA ${PROJECT_SOURCE_DIR}/data/desktop)

install(TARGETS tessaly-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# From data/, not from the build's program directory: a build that has been
# run holds that user's language choice and edited snippet libraries.
foreach(folder IN LISTS TESSALY_SHIPPED_FOLDERS)
  if(EXISTS ${PROJECT_SOURCE_DIR}/data/${folder})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/${folder} DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaly)
  else()
    install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaly/${folder})
  endif()
endforeach()

if(TESSALY_WITH_QT)
  install(TARGETS tessaly RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TESSALY_DESKTOP_DATA}/${TESSALY_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  configure_file(${TESSALY_DESKTOP_DATA}/${TESSALY_APP_ID}.metainfo.xml
                 ${CMAKE_BINARY_DIR}/desktop/${TESSALY_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/desktop/${TESSALY_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Desktops that draw no SVG use the fixed sizes, drawn from the one picture.
  set(icon ${TESSALY_DESKTOP_DATA}/tessaly.svg)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  find_program(TESSALY_RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs)
  foreach(size 48 256)
    set(png ${CMAKE_BINARY_DIR}/desktop/icons/${size}x${size}/tessaly.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/desktop/icons/${size}x${size}
      COMMAND ${TESSALY_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${icon}
      DEPENDS ${icon}
      COMMENT "Drawing the ${size}x${size} program icon")
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND pngs ${png})
  endforeach()
  add_custom_target(tessaly_icons ALL DEPENDS ${pngs})
endif()

# cpack --config <build>/CPackConfig.cmake -G DEB
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "Tessaly developers")
set(CPACK_PACKAGE_CONTACT "Tessaly developers <tessaly@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML page editor with a live preview")
set(CPACK_PACKAGE_DESCRIPTION "Tessaly edits HTML source in a syntax-highlighted editor and redraws the
page under it after every keystroke. A second page edits the document
visually in a browser engine. Markup tools, page templates, snippet
libraries, find and replace and interface language files complete it.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tessaly.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor's default faces, metric-compatible with the ones its pages name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core")
include(CPack)
