# The resources of a Windows program: its version information (the shown
# version, the maker and the licence), a manifest (common controls 6, per-monitor DPI
# awareness, UTF-8 as the ANSI code page, no elevation) and, with ICON, the
# program's icon as resource BRELVON_ICON_RESOURCE (also handed to the code).
set(BRELVON_ICON_RESOURCE 1)
set(BRELVON_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/data/icons/windows/brelvon.ico)

function(brelvon_windows_resources target description)
    cmake_parse_arguments(PARSE_ARGV 2 resources "ICON" "" "")
    # Texts of a resource script: double quotes are doubled.
    string(REPLACE "\"" "\"\"" RC_MAKER "${BRELVON_MAKER_NAME}")
    string(REPLACE "\"" "\"\"" RC_MAKER_URL "${BRELVON_MAKER_URL}")
    set(RC_DESCRIPTION "${description}")
    file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE RC_COPYRIGHT REGEX "^Copyright" LIMIT_COUNT 1)
    string(REPLACE "\"" "\"\"" RC_COPYRIGHT "${RC_COPYRIGHT}. MIT License")
    set(RC_NAME ${target})
    set(RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.exe.manifest)
    set(RC_ICON "")
    if(resources_ICON)
        set(RC_ICON "${BRELVON_ICON_RESOURCE} ICON \"${BRELVON_WINDOWS_ICON}\"")
        target_compile_definitions(${target} PRIVATE BRELVON_ICON_RESOURCE=${BRELVON_ICON_RESOURCE})
    endif()
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.exe.manifest.in ${RC_MANIFEST} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
                 ${RC_MANIFEST} ${BRELVON_WINDOWS_ICON})
endfunction()
