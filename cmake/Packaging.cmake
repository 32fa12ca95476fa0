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
#
# The Maintainer field needs a real address, which only the packager has:
# -DBRELVON_PACKAGE_MAINTAINER="Name <address>". Without it the package names
# the maker without an address, and configuring and packing both say so.
set(BRELVON_PACKAGE_MAINTAINER "" CACHE STRING "Maintainer field of the Debian package: \"Name <address>\"")
if(BRELVON_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
    set(maintainer "${BRELVON_PACKAGE_MAINTAINER}")
    set(BRELVON_MAINTAINER_PROBLEM "")
else()
    set(maintainer "${BRELVON_MAKER_NAME}")
    if(BRELVON_PACKAGE_MAINTAINER STREQUAL "")
        set(BRELVON_MAINTAINER_PROBLEM "the Debian package's maintainer address is missing")
    else()
        set(BRELVON_MAINTAINER_PROBLEM "the Debian package's maintainer address is missing "
                                       "(BRELVON_PACKAGE_MAINTAINER is \"${BRELVON_PACKAGE_MAINTAINER}\")")
        string(JOIN "" BRELVON_MAINTAINER_PROBLEM ${BRELVON_MAINTAINER_PROBLEM})
    endif()
    string(APPEND BRELVON_MAINTAINER_PROBLEM
        "; the package names \"${maintainer}\" instead, which Debian's tools refuse. "
        "Configure with -DBRELVON_PACKAGE_MAINTAINER=\"Name <address>\" before packing.")
    message(STATUS "Packaging: ${BRELVON_MAINTAINER_PROBLEM}")
endif()
# Said again when the package is made (cpack reads this file then).
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/CPackProject.cmake.in ${PROJECT_BINARY_DIR}/CPackProject.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProject.cmake)

set(CPACK_GENERATOR DEB)
# Debian wraps the description at 80 columns and keeps it in the package as
# it stands here: lines of one leading space.
set(CPACK_PACKAGE_DESCRIPTION
    "Brelvon shows every drive of the machine in one small window: label,\n"
    "total, free and used space, percentage used and a usage bar for each\n"
    "drive, grouped by kind with subtotals and a total.\n"
    "brelvon-report writes the same table to a terminal.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(BRELVON_BUILD_GUI)
    # The window's fonts; without them Qt falls back to another face.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
endif()

# Brelvon is MIT-licensed; a Debian package says so in its machine-readable
# copyright file, which `cmake --install` puts in place as well, beside the
# changelog made from the metainfo's releases.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brelvon)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake)
find_program(BRELVON_GZIP gzip)
if(BRELVON_GZIP)
    set(changelog ${PROJECT_BINARY_DIR}/changelog)
    brelvon_debian_changelog(${PROJECT_SOURCE_DIR}/data/${BRELVON_APP_ID}.metainfo.xml "${maintainer}" ${changelog})
    execute_process(COMMAND ${BRELVON_GZIP} -9nf -k ${changelog} RESULT_VARIABLE gzipped)
    if(gzipped EQUAL 0)
        install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brelvon)
    endif()
endif()

include(CPack)
