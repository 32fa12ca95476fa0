# Brelvon's code is built as layers: one static library per folder of src/
# (and of apps/), each linked only to the layers it may use. Headers are
# included by their folder ("model/Form.h", "refresh/MainForm.h"), so a
# folder's includes say which layers it uses; brelvon_check_layers() compares
# them with the links when the project is configured, and stops the build when
# a file includes a layer its library does not link, or when a layer that must
# stay plain C++ includes a Qt, POSIX or Win32 header. The tests of a layer
# (tests/<folder>) are held to the same rule.

include(${CMAKE_CURRENT_LIST_DIR}/LayerRules.cmake)

# brelvon_add_layer(TARGET FOLDER [PLAIN] [INTERFACE] SOURCES ... LAYERS ... LIBRARIES ...)
#   FOLDER     the folder below the project, "src/model" or "apps/startup"
#   PLAIN      plain C++: no Qt, POSIX or Win32 header
#   INTERFACE  headers only
#   LAYERS     the layer targets this one may use (linked PUBLIC)
#   LIBRARIES  other libraries it links PUBLIC
function(brelvon_add_layer target folder)
    cmake_parse_arguments(PARSE_ARGV 2 layer "PLAIN;INTERFACE" "" "SOURCES;LAYERS;LIBRARIES")
    if(layer_INTERFACE)
        add_library(${target} INTERFACE)
        set(scope INTERFACE)
    else()
        add_library(${target} STATIC ${layer_SOURCES})
        set(scope PUBLIC)
    endif()
    target_link_libraries(${target} ${scope} ${layer_LAYERS} ${layer_LIBRARIES})
    # The include root: src/ for the core, apps/ for the programs' own code.
    get_filename_component(root "${PROJECT_SOURCE_DIR}/${folder}/.." ABSOLUTE)
    if(folder MATCHES "^src/(os|ui)/")
        get_filename_component(root "${root}/.." ABSOLUTE)
    endif()
    target_include_directories(${target} ${scope} ${root})
    set_property(GLOBAL APPEND PROPERTY BRELVON_LAYER_TARGETS ${target})
    set_property(GLOBAL PROPERTY BRELVON_LAYER_${target}_FOLDER ${folder})
    set_property(GLOBAL PROPERTY BRELVON_LAYER_${target}_PLAIN ${layer_PLAIN})
    set_property(GLOBAL PROPERTY BRELVON_LAYER_${target}_USES ${layer_LAYERS})
endfunction()

# The include prefix of a folder: "src/model" -> "model", "src/os/linux" ->
# "os/linux", "apps/startup" -> "startup".
function(brelvon_layer_prefix folder out)
    string(REGEX REPLACE "^(src|apps)/" "" prefix "${folder}")
    set(${out} ${prefix} PARENT_SCOPE)
endfunction()

# Every layer this one uses, directly or through another.
function(brelvon_layer_closure target out)
    set(seen)
    set(todo ${target})
    while(todo)
        list(POP_FRONT todo current)
        if(current IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${current})
        get_property(uses GLOBAL PROPERTY BRELVON_LAYER_${current}_USES)
        list(APPEND todo ${uses})
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# The include prefixes of the folders of some layer targets.
function(brelvon_layer_prefixes targets out)
    set(prefixes)
    foreach(target IN LISTS targets)
        get_property(folder GLOBAL PROPERTY BRELVON_LAYER_${target}_FOLDER)
        brelvon_layer_prefix(${folder} prefix)
        list(APPEND prefixes ${prefix})
    endforeach()
    set(${out} ${prefixes} PARENT_SCOPE)
endfunction()

function(brelvon_check_layers)
    get_property(targets GLOBAL PROPERTY BRELVON_LAYER_TARGETS)
    brelvon_layer_prefixes("${targets}" all_prefixes)
    set(problems)
    foreach(target IN LISTS targets)
        get_property(folder GLOBAL PROPERTY BRELVON_LAYER_${target}_FOLDER)
        get_property(plain GLOBAL PROPERTY BRELVON_LAYER_${target}_PLAIN)
        brelvon_layer_closure(${target} closure)
        brelvon_layer_prefixes("${closure}" allowed)
        # The folder itself and its tests.
        string(REGEX REPLACE "^src/" "" tests_folder "${folder}")
        file(GLOB files
            ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h.in
            ${PROJECT_SOURCE_DIR}/tests/${tests_folder}/*.h ${PROJECT_SOURCE_DIR}/tests/${tests_folder}/*.cpp)
        foreach(file IN LISTS files)
            brelvon_layer_problems("${file}" "${plain}" "${all_prefixes}" "${allowed}" found)
            list(APPEND problems ${found})
        endforeach()
    endforeach()
    if(problems)
        list(JOIN problems "\n  " text)
        message(FATAL_ERROR "Files include what their layer may not use:\n  ${text}")
    endif()
endfunction()
