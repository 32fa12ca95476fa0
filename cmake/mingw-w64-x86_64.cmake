# Cross-builds Brelvon's core and brelvon-report.exe for 64-bit Windows with
# MinGW-w64 (Debian: g++-mingw-w64-x86-64):
#
#   cmake -S . -B build-win --toolchain cmake/mingw-w64-x86_64.cmake \
#         -DBRELVON_BUILD_GUI=OFF -DBRELVON_BUILD_BENCH=OFF -DBUILD_TESTING=OFF
#   cmake --build build-win --target brelvon-report
#
# The programs are linked statically (BRELVON_STATIC_RUNTIME, see
# cmake/Optional.cmake), so they need no DLL beside them, on Windows or under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRELVON_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX-thread variant of the compiler has std::thread and std::mutex;
# the Win32-thread variant of GCC 12 has neither.
find_program(CMAKE_CXX_COMPILER NAMES ${BRELVON_MINGW_PREFIX}-g++-posix ${BRELVON_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${BRELVON_MINGW_PREFIX}-gcc-posix ${BRELVON_MINGW_PREFIX}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${BRELVON_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRELVON_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# nlohmann-json is header-only, so the build machine's copy serves Windows as
# well. Its package files name their include folder relative to themselves,
# so they are copied, together with the headers and nothing else of the build
# machine's /usr/include, into a prefix of the build tree, which is then the
# only place the package is looked for.
set(BRELVON_HOST_JSON_PREFIX "/usr" CACHE PATH "Prefix of the build machine's nlohmann-json (include/, share/cmake/)")
get_property(_brelvonInTryCompile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT _brelvonInTryCompile)
    set(_brelvonJsonPrefix "${CMAKE_BINARY_DIR}/host-nlohmann-json")
    if(NOT EXISTS "${_brelvonJsonPrefix}/include/nlohmann/json.hpp")
        foreach(_brelvonShare IN ITEMS share/cmake/nlohmann_json lib/cmake/nlohmann_json)
            if(EXISTS "${BRELVON_HOST_JSON_PREFIX}/${_brelvonShare}/nlohmann_jsonConfig.cmake")
                file(COPY "${BRELVON_HOST_JSON_PREFIX}/include/nlohmann" DESTINATION "${_brelvonJsonPrefix}/include")
                file(COPY "${BRELVON_HOST_JSON_PREFIX}/${_brelvonShare}" DESTINATION "${_brelvonJsonPrefix}/share/cmake")
                break()
            endif()
        endforeach()
    endif()
    if(EXISTS "${_brelvonJsonPrefix}/share/cmake/nlohmann_json/nlohmann_jsonConfig.cmake")
        set(nlohmann_json_DIR "${_brelvonJsonPrefix}/share/cmake/nlohmann_json" CACHE PATH "nlohmann-json for the Windows build")
    endif()
endif()
