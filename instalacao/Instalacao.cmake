# Installation and the Debian package: the two programs, the exporter's module, the
# desktop entry, the icon and the file type of the reserve file, so that a double-click
# on a job reopens it.
include(GNUInstallDirs)
install(TARGETS mapirel mapirel-exportar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The exporter's module in a folder of the program's own, which the program's run path
# names relative to where it is installed.
set(pasta_modulos ${CMAKE_INSTALL_LIBDIR}/mapirel)
install(TARGETS mapirel_sig LIBRARY DESTINATION ${pasta_modulos})
file(RELATIVE_PATH modulos_de_bin ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${pasta_modulos})
set_target_properties(mapirel PROPERTIES INSTALL_RPATH "$ORIGIN/${modulos_de_bin}")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/mapirel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/mapirel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/mapirel.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mapirel)
set(CPACK_PACKAGE_VENDOR Mapirel)
set(CPACK_PACKAGE_CONTACT "Mapirel <mapirel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "digitalização de altitudes e profundidades em cartas escaneadas")
set(CPACK_PACKAGE_DESCRIPTION
    "Georreferencia mapas e cartas náuticas escaneados por pontos de controle e digitaliza\n\
pontos cotados e sondagens com um clique. mapirel-exportar leva os pontos e a\n\
orientação da imagem para um SIG (GeoPackage, arquivo de mundo) pelo GDAL.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries come from the ones the programs really link (dpkg-shlibdeps); what is
# loaded otherwise is named: libwmf's fonts, and Qt's Portuguese texts as a wish.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-urw-base35")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, gdal-bin")
set(CPACK_STRIP_FILES ON)
include(CPack)
