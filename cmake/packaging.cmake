# Installs Tarnolo as a desktop program (the program, its menu entry, icons, the type of its
# case files and its AppStream description) and packages it for Debian with `cpack -G DEB`.
if(NOT TARGET tarnolo)
  return()  # built without the window: nothing to install
endif()
include(GNUInstallDirs)

set(TARNOLO_APP_ID org.example.tarnolo.Tarnolo)
set(TARNOLO_DATA ${PROJECT_SOURCE_DIR}/data)
set(TARNOLO_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS tarnolo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The output module sits in the program's private folder, found through the program's RUNPATH.
# The program is linked with that RUNPATH from the start: a path rewritten at install would be
# padded in the build tree with an empty entry, which the loader reads as the working folder.
set(TARNOLO_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/tarnolo)
install(TARGETS tarnolo_salida_module LIBRARY DESTINATION ${TARNOLO_MODULE_DIR})
file(RELATIVE_PATH TARNOLO_BIN_TO_MODULE /${CMAKE_INSTALL_BINDIR} /${TARNOLO_MODULE_DIR})
set_target_properties(tarnolo PROPERTIES INSTALL_RPATH "$ORIGIN/${TARNOLO_BIN_TO_MODULE}"
                                         BUILD_WITH_INSTALL_RPATH ON)
install(FILES ${TARNOLO_DATA}/${TARNOLO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARNOLO_DATA}/${TARNOLO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TARNOLO_DATA}/${TARNOLO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TARNOLO_APP_ID}.xml)
install(FILES ${TARNOLO_DATA}/${TARNOLO_APP_ID}.svg DESTINATION ${TARNOLO_ICONS}/scalable/apps)
# The window's own icons, the same pictures at the theme's fixed sizes.
foreach(size 16 32 48)
  install(FILES ${PROJECT_SOURCE_DIR}/src/principal/artwork/icon${size}.png
          DESTINATION ${TARNOLO_ICONS}/${size}x${size}/apps RENAME ${TARNOLO_APP_ID}.png)
endforeach()

set(CPACK_PACKAGE_NAME tarnolo)
set(CPACK_PACKAGE_VENDOR "El equipo de Tarnolo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for the accuracy of a diagnostic test")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarnolo works out, from the two-by-two table of a diagnostic test, its sensitivity,
specificity, predictive values, prevalence, apparent prevalence and likelihood ratios, with
their confidence limits at 95 % or 99 %. A Bayes mode rebuilds the table from sensitivity,
specificity and prevalence. Its window speaks Spanish; cases are kept in .ROC files.")
set(CPACK_PACKAGE_CONTACT "El equipo de Tarnolo <tarnolo@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnolo.example.org/")
# The libraries come from dpkg-shlibdeps; the font that the window draws with is no library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
