# What a build may leave out, and how the C++ runtime is linked.
#
# The tests need GoogleTest (and Qt Test for the window's), the benchmarks
# Google Benchmark. Unless asked for (-DBUILD_TESTING=ON, -DBRELVON_BUILD_BENCH=ON,
# which then require them), each is built where its packages are found, and
# the configure says what it left out and why.

set(BRELVON_LEFT_OUT "")
if(NOT BRELVON_BUILD_GUI)
    list(APPEND BRELVON_LEFT_OUT "the window (BRELVON_BUILD_GUI is OFF)")
endif()

set(test_packages_missing "")
find_package(GTest QUIET)
if(NOT GTest_FOUND)
    list(APPEND test_packages_missing "GoogleTest (libgtest-dev libgmock-dev)")
endif()
if(BRELVON_BUILD_GUI AND NOT WIN32 AND NOT Qt6Test_FOUND)
    list(APPEND test_packages_missing "Qt Test (qt6-base-dev)")
endif()
if(NOT DEFINED BUILD_TESTING)
    if(test_packages_missing)
        set(BUILD_TESTING OFF CACHE BOOL "Build the tests (needs GoogleTest, and Qt Test for the window)")
    else()
        set(BUILD_TESTING ON CACHE BOOL "Build the tests (needs GoogleTest, and Qt Test for the window)")
    endif()
endif()
if(BUILD_TESTING AND test_packages_missing)
    string(JOIN ", " missing ${test_packages_missing})
    message(FATAL_ERROR "BUILD_TESTING is ON but these are not found: ${missing}")
elseif(NOT BUILD_TESTING)
    if(test_packages_missing)
        string(JOIN ", " missing ${test_packages_missing})
        list(APPEND BRELVON_LEFT_OUT "the tests (not found: ${missing}, once installed configure with -DBUILD_TESTING=ON)")
    else()
        list(APPEND BRELVON_LEFT_OUT "the tests (BUILD_TESTING is OFF)")
    endif()
endif()

# Google Benchmark has no Windows package here: on Windows only the bare
# window the start-up is timed against is built (bench/).
if(NOT WIN32)
    find_package(benchmark QUIET)
endif()
if(NOT DEFINED BRELVON_BUILD_BENCH)
    if(benchmark_FOUND OR WIN32)
        option(BRELVON_BUILD_BENCH "Build the benchmarks (needs Google Benchmark)" ON)
    else()
        option(BRELVON_BUILD_BENCH "Build the benchmarks (needs Google Benchmark)" OFF)
    endif()
endif()
if(BRELVON_BUILD_BENCH AND NOT WIN32 AND NOT benchmark_FOUND)
    message(FATAL_ERROR "BRELVON_BUILD_BENCH is ON but Google Benchmark (libbenchmark-dev) is not found")
elseif(NOT BRELVON_BUILD_BENCH)
    if(benchmark_FOUND OR WIN32)
        list(APPEND BRELVON_LEFT_OUT "the benchmarks (BRELVON_BUILD_BENCH is OFF)")
    else()
        list(APPEND BRELVON_LEFT_OUT "the benchmarks (not found: Google Benchmark (libbenchmark-dev), once installed configure with -DBRELVON_BUILD_BENCH=ON)")
    endif()
endif()

# The C++ runtime linked into the programs: on Windows so that they need no
# DLL beside them, in a release build for Linux so that brelvon-report starts
# faster (the window links Qt, which brings the shared runtime anyway). Where
# the static runtime is a package of its own (libstdc++-static on Fedora) and
# not installed, the programs keep the shared one, and the configure says so.
if(WIN32)
    option(BRELVON_STATIC_RUNTIME "Link the C++ runtime, libgcc and winpthread into the programs" ON)
    set(BRELVON_STATIC_RUNTIME_FLAGS -static)
else()
    option(BRELVON_STATIC_RUNTIME "Link the C++ runtime into brelvon-report" OFF)
    set(BRELVON_STATIC_RUNTIME_FLAGS -static-libstdc++ -static-libgcc)
endif()
set(BRELVON_STATIC_RUNTIME_USED OFF)
if(BRELVON_STATIC_RUNTIME)
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_LINK_OPTIONS ${BRELVON_STATIC_RUNTIME_FLAGS})
    set(CMAKE_REQUIRED_QUIET ON)
    check_cxx_source_compiles([[
#include <iostream>
#include <stdexcept>
#include <string>
int main(int argc, char**) {
    try { if (argc > 5) throw std::runtime_error("x"); } catch (const std::exception& e) { std::cerr << e.what(); }
    std::cout << std::string(3, 'x') << std::endl;
}]] BRELVON_STATIC_RUNTIME_LINKS)
    unset(CMAKE_REQUIRED_LINK_OPTIONS)
    unset(CMAKE_REQUIRED_QUIET)
    if(BRELVON_STATIC_RUNTIME_LINKS)
        set(BRELVON_STATIC_RUNTIME_USED ON)
    else()
        message(WARNING "BRELVON_STATIC_RUNTIME: a program linked with ${BRELVON_STATIC_RUNTIME_FLAGS} does not "
                        "link here (is the static C++ library installed? Fedora: libstdc++-static); the programs "
                        "use the shared C++ runtime")
        list(APPEND BRELVON_LEFT_OUT "the static C++ runtime (it does not link here)")
    endif()
endif()

if(WIN32 AND BRELVON_STATIC_RUNTIME_USED)
    add_link_options(${BRELVON_STATIC_RUNTIME_FLAGS})
endif()

# brelvon_static_runtime(TARGET): links the runtime into TARGET when it can be
# (on Windows every program has it already).
function(brelvon_static_runtime target)
    if(BRELVON_STATIC_RUNTIME_USED AND NOT WIN32)
        target_link_options(${target} PRIVATE ${BRELVON_STATIC_RUNTIME_FLAGS})
    endif()
endfunction()

function(brelvon_say_what_is_left_out)
    if(BRELVON_LEFT_OUT)
        foreach(part IN LISTS BRELVON_LEFT_OUT)
            message(STATUS "Left out: ${part}")
        endforeach()
    else()
        message(STATUS "Nothing left out: programs, tests and benchmarks are built")
    endif()
endfunction()
