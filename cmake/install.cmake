# Installation (cmake --install, any prefix) and the Debian package (cpack -G DEB).
#   PREFIX/bin/vak1                 the program
#   PREFIX/lib/vak1/libvak1gui.so   the desktop module, loaded by the program from ../lib/vak1/
#   PREFIX/share/vak1/              the installation data, found from ../share/vak1/
#   PREFIX/share/doc/vak1/          README, licence, Debian copyright and changelog
# plus the desktop entry, the file type of projects, the icon, the AppStream metainfo and the
# manual page where the desktop looks for them.
set(VAK1_DIST ${CMAKE_SOURCE_DIR}/dist)
set(VAK1_APP_ID org.quorven.vak1)
# Folders of the package: readable by everyone whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(VAK1_FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(TARGETS vak1 RUNTIME DESTINATION bin)
if(TARGET vak1gui)
  install(TARGETS vak1gui LIBRARY DESTINATION lib/vak1 PERMISSIONS ${VAK1_FILE_PERMISSIONS})
endif()
install(FILES ${VAK1_DATA_FILES} DESTINATION share/vak1 PERMISSIONS ${VAK1_FILE_PERMISSIONS})
foreach(file ${VAK1_LANGUAGE_DATA_FILES})
  file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR}/data ${file})
  get_filename_component(folder ${name} DIRECTORY)
  install(FILES ${file} DESTINATION share/vak1/${folder} PERMISSIONS ${VAK1_FILE_PERMISSIONS})
endforeach()

# The manual page and the changelog are installed compressed, as Debian wants them.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(VAK1_GZ_DIR ${CMAKE_BINARY_DIR}/dist)
foreach(source vak1.1 changelog)
  set(target ${source}.gz)
  add_custom_command(OUTPUT ${VAK1_GZ_DIR}/${target}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${VAK1_GZ_DIR}
                     COMMAND ${GZIP_EXECUTABLE} -9n -c ${VAK1_DIST}/${source} > ${VAK1_GZ_DIR}/${target}
                     DEPENDS ${VAK1_DIST}/${source})
  list(APPEND VAK1_GZ_FILES ${VAK1_GZ_DIR}/${target})
endforeach()
add_custom_target(vak1dist ALL DEPENDS ${VAK1_GZ_FILES})
install(FILES ${VAK1_GZ_DIR}/vak1.1.gz DESTINATION share/man/man1
        PERMISSIONS ${VAK1_FILE_PERMISSIONS})
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE ${VAK1_DIST}/copyright
              ${VAK1_GZ_DIR}/changelog.gz
        DESTINATION share/doc/vak1 PERMISSIONS ${VAK1_FILE_PERMISSIONS})
# The help files and the picture index are code page 850, the program's own encoding.
install(FILES ${VAK1_DIST}/lintian-overrides DESTINATION share/lintian/overrides RENAME vak1
        PERMISSIONS ${VAK1_FILE_PERMISSIONS})
install(FILES ${VAK1_DIST}/${VAK1_APP_ID}.desktop DESTINATION share/applications
        PERMISSIONS ${VAK1_FILE_PERMISSIONS})
install(FILES ${VAK1_DIST}/vak1.xml DESTINATION share/mime/packages
        PERMISSIONS ${VAK1_FILE_PERMISSIONS})
install(FILES ${VAK1_DIST}/vak1.svg DESTINATION share/icons/hicolor/scalable/apps
        PERMISSIONS ${VAK1_FILE_PERMISSIONS})
install(FILES ${VAK1_DIST}/${VAK1_APP_ID}.metainfo.xml DESTINATION share/metainfo
        PERMISSIONS ${VAK1_FILE_PERMISSIONS})

# The Debian package: dependencies from the libraries the program and its module link
# (dpkg-shlibdeps), binaries stripped.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vak1)
set(CPACK_PACKAGE_VERSION 5.0)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "VAK1 maintainers <maintainers@vak1.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cross-section properties of a closed contour")
set(CPACK_PACKAGE_DESCRIPTION
    "VAK1 computes the cross-section properties of a closed contour of up to
500 positions joined by straight edges or circular arcs: area, first and
second moments, centroid, principal moments and angle, and for a prismatic
body its volume, mass and mass moments of inertia. It writes reports, DXF
and IGES drawings and extended values (section moduli, plastic moduli,
torsion values by finite elements), in the desktop program or as
unattended jobs from the command line.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opening documents and reports in the desktop's programs, and the fonts the drawings name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation")
# The office back end of the spreadsheet exchange.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-calc, python3-uno, fonts-nanum")
include(CPack)
