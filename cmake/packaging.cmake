# Installing under a prefix (cmake --install) and the Debian package (cpack -G DEB). The program carries its
# help pages and starter files inside itself, so only the desktop integration, the manual page, bash completion
# and the package's documents are installed beside it.
include(GNUInstallDirs)

# Folders made by the install are readable by everyone, whatever the umask of whoever builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(QM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillmark)

# The manual page carries the version of project(); it and the changelog are installed compressed with gzip -9
# and without a time stamp, as Debian wants them.
find_program(QM_GZIP gzip REQUIRED)
configure_file(${PROJECT_SOURCE_DIR}/data/man/quillmark.1.in ${PROJECT_BINARY_DIR}/doc/quillmark.1 @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/quillmark.1.gz
    COMMAND ${QM_GZIP} -9nc quillmark.1 > quillmark.1.gz
    DEPENDS ${PROJECT_BINARY_DIR}/doc/quillmark.1
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/doc VERBATIM)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.gz
    COMMAND ${QM_GZIP} -9nc ${PROJECT_SOURCE_DIR}/debian/changelog > changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/doc VERBATIM)
add_custom_target(quillmark_docs ALL
    DEPENDS ${PROJECT_BINARY_DIR}/doc/quillmark.1.gz ${PROJECT_BINARY_DIR}/doc/changelog.gz)

install(TARGETS quillmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.quillmark.quillmark.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.quillmark.quillmark.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/quillmark-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quillmark.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/quillmark.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/quillmark-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quillmark.png)
endforeach()

install(FILES ${PROJECT_BINARY_DIR}/doc/quillmark.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/completion/quillmark.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quillmark)
# The copyright file (machine-readable, naming the licence of everything shipped) and the changelog, where
# Debian keeps them. A package whose version has no Debian revision is a native one: its changelog is
# changelog.gz.
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${QM_DOC_DIR})

set(QM_MAINTAINER "Quillmark Developers <maintainers@quillmark.org>")
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark Developers")
set(CPACK_PACKAGE_CONTACT ${QM_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Business card designer and sheet printer")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QM_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmark.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The long description, under the summary above; CPack indents each line by one space, and every line stays
# under 80 columns.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillmark draws one business card with text, symbols, shapes, gradients,"
    "clip art, QR codes and background art, and prints it repeated over a"
    "sheet of card stock with exact margins, spacing and printer nudges, on a"
    "printer or into a PDF file. It can fill each card from a CSV file or"
    "vCards, and export a card as a picture.")
# The Qt libraries and libqrencode it links, the plugins it needs at run time (windows, JPG/TGA/ICO pictures,
# SVG), and the fonts its symbols and default text are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), libqrencode4, libqpdf29, libcups2, qt6-image-formats-plugins, fonts-liberation2, fonts-symbola, fonts-dejavu-core")
# Recommended: the fonts of symbol cards, the print system's tools, gLabels' card stock database (the stock list).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-opensymbol, cups-client, glabels-data, qt6-translations-l10n")
include(CPack)
