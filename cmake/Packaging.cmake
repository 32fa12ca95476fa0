# The package of what `cmake --install` installs, made by `cpack` in the build
# folder: a Debian package on Linux, a zip on Windows.
set(CPACK_PACKAGE_NAME brelvon)
set(CPACK_PACKAGE_VENDOR "${BRELVON_MAKER_NAME}")
set(CPACK_PACKAGE_VERSION "${BRELVON_SHOWN_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # brelvon-1.26-win64.zip: one folder with both programs, the README, the
    # licence and the example drive file.
    install(FILES README.md LICENSE DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "brelvon-${BRELVON_SHOWN_VERSION}-win64")
    include(CPack)
    return()
endif()

# Library dependencies of the Debian package are found by dpkg-shlibdeps from
# the programs themselves, so they follow whatever Qt and C++ runtime the
# build used.
set(BRELVON_PACKAGE_MAINTAINER "${BRELVON_MAKER_NAME}" CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DESCRIPTION
    "Brelvon shows every drive of the machine in one small window: label, total, free and used space,\n"
    "percentage used and a usage bar for each drive, grouped by kind with subtotals and a total.\n"
    "brelvon-report writes the same table to a terminal.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BRELVON_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(BRELVON_BUILD_GUI)
    # The window's fonts; without them Qt falls back to another face.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
endif()

# Brelvon is MIT-licensed; a Debian package says so in its machine-readable
# copyright file, which `cmake --install` puts in place as well.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brelvon)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

include(CPack)
