# Installing under a prefix (cmake --install) and the Debian package (cpack -G DEB). The program carries its
# help pages and starter files inside itself, so only the desktop integration is installed beside it.
include(GNUInstallDirs)

install(TARGETS quillmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.quillmark.Quillmark.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.quillmark.Quillmark.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/quillmark-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quillmark.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/quillmark.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/quillmark-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quillmark.png)
endforeach()

set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Business card designer and sheet printer")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillmark developers <quillmark@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Design business cards and print them on sheets of card stock\n Quillmark draws one business card with text, symbols, shapes, gradients, clip art and\n background art, and prints it repeated over a sheet of card stock with exact margins,\n spacing and printer nudges, to a printer or a PDF file.")
# The Qt libraries and libqrencode it links, the plugins it needs at run time (windows, JPG/TGA/ICO pictures,
# SVG), and the fonts its symbols and default text are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), libqrencode4, libqpdf29, libcups2, qt6-image-formats-plugins, fonts-liberation2, fonts-symbola, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-opensymbol, cups-client")
include(CPack)
