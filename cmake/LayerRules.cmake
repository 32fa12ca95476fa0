# The rule one file is checked against, apart from the build so that a test
# can run it on files made to break it (cmake -P, see tests/layout/).
cmake_policy(SET CMP0057 NEW)  # if(... IN_LIST ...), also in script mode

# Headers of Qt, of POSIX and Linux (fontconfig among them), and of Win32: a plain layer includes none.
set(BRELVON_SYSTEM_HEADER_PATTERN
    "^<(Q[A-Za-z]*|Qt[A-Za-z]*/.*|unistd\\.h|fcntl\\.h|poll\\.h|dirent\\.h|langinfo\\.h|spawn\\.h|pthread\\.h|mntent\\.h|sys/.*|linux/.*|fontconfig/.*|windows\\.h|win[a-z0-9]*\\.h|shl[a-z]*\\.h|shellapi\\.h|commctrl\\.h|dwmapi\\.h|uxtheme\\.h)>$")

# Appends to `out` one line per include of `file` that breaks the rule:
# a layer's folder ("model", "os/linux", "startup") that is one of `prefixes`
# but not one of `allowed`; and, when `plain`, a system header.
function(brelvon_layer_problems file plain prefixes allowed out)
    set(found)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"][^>\"]*[>\"]).*$" "\\1" header "${line}")
        if(header MATCHES "^\"(.*)\"$")
            set(path "${CMAKE_MATCH_1}")
            # The longest layer folder the path lies in: "os/linux" before "os".
            set(layer "")
            foreach(prefix IN LISTS prefixes)
                string(LENGTH "${prefix}" length)
                string(LENGTH "${layer}" best)
                if(path MATCHES "^${prefix}/" AND length GREATER best)
                    set(layer "${prefix}")
                endif()
            endforeach()
            if(layer AND NOT layer IN_LIST allowed)
                list(APPEND found "${file}: ${header} (layer ${layer} is not linked)")
            endif()
        elseif(plain AND header MATCHES "${BRELVON_SYSTEM_HEADER_PATTERN}")
            list(APPEND found "${file}: ${header} (a system header in a plain C++ layer)")
        endif()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Script mode: cmake -DFILE=... -DPLAIN=ON|OFF -DPREFIXES=a,b -DALLOWED=a -P LayerRules.cmake
# prints the problems and fails when there are any.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    string(REPLACE "," ";" PREFIXES "${PREFIXES}")
    string(REPLACE "," ";" ALLOWED "${ALLOWED}")
    brelvon_layer_problems("${FILE}" "${PLAIN}" "${PREFIXES}" "${ALLOWED}" problems)
    foreach(problem IN LISTS problems)
        message("${problem}")
    endforeach()
    if(problems)
        message(FATAL_ERROR "layer rule broken")
    endif()
endif()
