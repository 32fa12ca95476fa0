# The manual page of a program, made from its --help, so that the two never
# say different things, and from sections every page shares
# (docs/man/shared.man: drive files, files read).
#
# In a CMakeLists.txt: brelvon_man_page(TARGET SUMMARY SEE_ALSO) makes
# <build>/TARGET.1 and installs it compressed under share/man/man1.
# As a script (cmake -P), with -DPROGRAM -DNAME -DSUMMARY -DSEE_ALSO -DSHARED
# -DVERSION -DDATE -DOUTPUT: writes OUTPUT.
#
# --help is read as blocks separated by empty lines: "Usage: ..." and the
# lines after it are the synopsis and description; "Options:" and similar
# headings become sections; "  -x, --long  text" lines (text continued on
# lines indented to it) become tagged paragraphs; "Exit status: ..." the
# EXIT STATUS section; any other block a paragraph.

function(brelvon_man_page target summary see_also)
    find_program(BRELVON_GZIP gzip)
    if(NOT BRELVON_GZIP)
        message(STATUS "Left out: the manual pages (gzip not found)")
        return()
    endif()
    set(page ${CMAKE_BINARY_DIR}/${target}.1)
    string(TIMESTAMP date "%Y-%m-%d" UTC)
    file(STRINGS ${PROJECT_SOURCE_DIR}/data/${BRELVON_APP_ID}.metainfo.xml release REGEX "<release " LIMIT_COUNT 1)
    if(release MATCHES "date=\"([0-9-]+)\"")
        set(date ${CMAKE_MATCH_1})
    endif()
    set(shared ${PROJECT_SOURCE_DIR}/docs/man/shared.man)
    add_custom_command(
        OUTPUT ${page} ${page}.gz
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${target} "-DSUMMARY=${summary}"
                -DSEE_ALSO=${see_also} -DSHARED=${shared} -DVERSION=${BRELVON_SHOWN_VERSION} -DDATE=${date}
                -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        COMMAND ${BRELVON_GZIP} -9nf -k ${page}
        DEPENDS ${target} ${shared} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        COMMENT "Manual page ${target}.1"
        VERBATIM)
    add_custom_target(${target}_man_page ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(NOT CMAKE_SCRIPT_MODE_FILE)
    return()
endif()

# Text for roff: backslashes kept, a dash that starts an option a minus sign,
# and a line that would start with a control character escaped.
function(roff_text text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|[ @(,/|])-" "\\1\\\\-" text "${text}")
    string(REGEX REPLACE "(\\\\-)-" "\\1\\\\-" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()
# One list item per line; semicolons and brackets kept out of CMake's way.
string(REPLACE ";" "@SEMICOLON@" help "${help}")
string(REPLACE "[" "@OPEN@" help "${help}")
string(REPLACE "]" "@CLOSE@" help "${help}")
string(REGEX REPLACE "\n$" "" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

string(TOUPPER "${NAME}" title)
string(REPLACE "-" "\\-" name_roff "${NAME}")
set(page ".TH ${title} 1 \"${DATE}\" \"Brelvon ${VERSION}\" \"User Commands\"\n.SH NAME\n${name_roff} \\- ${SUMMARY}\n")
set(state start)        # start, description, paragraph, options
set(option_column 0)    # where an option's text starts
foreach(line IN LISTS lines)
    if(line MATCHES "^Usage: ([^ ]+) ?(.*)$")
        roff_text("${CMAKE_MATCH_2}" rest)
        string(APPEND page ".SH SYNOPSIS\n.B ${name_roff}\n${rest}\n.SH DESCRIPTION\n")
        set(state description)
    elseif(line STREQUAL "")
        set(state between)
    elseif(line MATCHES " is free software under ")
        # Said in COPYRIGHT, with the copyright, as --version says it.
    elseif(line MATCHES "^Exit status: (.*)$")
        roff_text("${CMAKE_MATCH_1}" text)
        string(APPEND page ".SH \"EXIT STATUS\"\n${text}\n")
        set(state paragraph)
    elseif(state STREQUAL "between" AND line MATCHES "^([A-Z][a-z]+):$")
        string(TOUPPER "${CMAKE_MATCH_1}" heading)
        string(APPEND page ".SH ${heading}\n")
        set(state options)
    elseif(line MATCHES "^  ([^ ].*[^ ]|[^ ])   *([^ ].*)$")
        # "  -x, --long ARG  text": the option and its text, two or more spaces apart.
        set(option "${CMAKE_MATCH_1}")
        set(text "${CMAKE_MATCH_2}")
        string(FIND "${line}" "${text}" option_column)
        string(REPLACE "-" "\\-" option "${option}")
        roff_text("${text}" text)
        string(APPEND page ".TP\n.B ${option}\n${text}\n")
        set(state options)
    elseif(state STREQUAL "options" AND option_column GREATER 0 AND line MATCHES "^    ")
        string(STRIP "${line}" text)
        roff_text("${text}" text)
        string(APPEND page "${text}\n")
    else()
        if(state STREQUAL "between" OR state STREQUAL "options")
            string(APPEND page ".PP\n")
        endif()
        roff_text("${line}" text)
        string(APPEND page "${text}\n")
        if(NOT state STREQUAL "description")
            set(state paragraph)
        endif()
    endif()
endforeach()
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version_text)
# Its second line: the copyright and the licence.
string(FIND "${version_text}" "\n" first_end)
math(EXPR first_end "${first_end} + 1")
string(SUBSTRING "${version_text}" ${first_end} -1 copyright)
string(STRIP "${copyright}" copyright)
roff_text("${copyright}" copyright)
file(READ ${SHARED} shared)
string(APPEND page "${shared}")
string(REPLACE "-" "\\-" see_also_roff "${SEE_ALSO}")
string(APPEND page ".SH \"SEE ALSO\"\n.BR ${see_also_roff} (1)\n.SH COPYRIGHT\n${copyright}\n")
string(REPLACE "@SEMICOLON@" ";" page "${page}")
string(REPLACE "@OPEN@" "[" page "${page}")
string(REPLACE "@CLOSE@" "]" page "${page}")
file(WRITE ${OUTPUT} "${page}")
