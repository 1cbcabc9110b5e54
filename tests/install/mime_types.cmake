# The file types of resources/desktop/org.zorvet.Zorvet.xml as a desktop sees them, typed by
# GIO (GNOME and its kin) and by Qt (KDE, and the file dialogs of Qt programs), in both layouts
# an installation leaves: the package merged into the system's database (the Debian package),
# and a database of its own ahead of the system's (cmake --install into /usr/local or ~/.local,
# then update-mime-database there).
# Run with: cmake -DSOURCE_DIR=... -DWORK_DIR=... -DPROGRAM=... -DQT_TYPER=... -DGIO=...
#                 -DFREEDESKTOP_XML=... -DUPDATE_MIME_DATABASE=... -P mime_types.cmake
cmake_minimum_required(VERSION 3.25)

set(desktop ${SOURCE_DIR}/resources/desktop)
set(package ${desktop}/org.zorvet.Zorvet.xml)
set(files ${WORK_DIR}/files)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${files})
function(database dir)
    file(MAKE_DIRECTORY ${dir}/mime/packages)
    file(COPY ${ARGN} DESTINATION ${dir}/mime/packages)
    execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${dir}/mime RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "update-mime-database ${dir}/mime failed (${status}):\n${err}")
    endif()
endfunction()
database(${WORK_DIR}/merged ${FREEDESKTOP_XML} ${package})
database(${WORK_DIR}/system ${FREEDESKTOP_XML})
database(${WORK_DIR}/own ${package})
# Only the scratch databases: neither the machine's nor the user's own types take part.
set(layouts "merged|${WORK_DIR}/merged" "separate|${WORK_DIR}/own:${WORK_DIR}/system")

# The desktop entry opens, and the metainfo declares, exactly the types that the package defines.
file(READ ${package} definitions)
string(REGEX MATCHALL "<mime-type type=\"application/x-zorvet-[^\"]+\"" defined "${definitions}")
string(REGEX REPLACE "<mime-type type=\"([^\"]+)\"" "\\1" defined "${defined}")
file(READ ${desktop}/org.zorvet.Zorvet.desktop entry)
string(REGEX MATCH "\nMimeType=([^\n]*);\n" opened "${entry}")
set(opened "${CMAKE_MATCH_1}")
file(READ ${desktop}/org.zorvet.Zorvet.metainfo.xml metainfo)
string(REGEX MATCHALL "<mediatype>[^<]+</mediatype>" declared "${metainfo}")
string(REGEX REPLACE "</?mediatype>" "" declared "${declared}")
foreach(list opened declared)
    if(NOT "${${list}}" STREQUAL "${defined}")
        message(FATAL_ERROR "types ${list}: ${${list}}; the package defines: ${defined}")
    endif()
endforeach()

# Samples: problems and results in both languages and both encodings, written by the program
# where it can; an OpenDocument presentation, which shares the .odp extension; another
# program's settings file that names a furnace temperature.
function(compute)
    execute_process(COMMAND ${PROGRAM} compute ${ARGN} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "zorvet compute ${ARGN} failed (${status}):\n${err}")
    endif()
endfunction()
file(COPY ${SOURCE_DIR}/examples/uncontrolled.cfg ${CMAKE_CURRENT_LIST_DIR}/mime/problem_cs.cfg
     ${CMAKE_CURRENT_LIST_DIR}/mime/presentation.odp DESTINATION ${files})
compute(${SOURCE_DIR}/examples/uncontrolled.cfg --language en --results ${files}/results_en.odp)
compute(${SOURCE_DIR}/examples/controlled_curve.cfg --language cs --results ${files}/results_cs.odp)
# An arrow has no Windows-1250 byte, so this file is written in UTF-8; its comment is several
# hundred characters long, as a user may well type (problem_cs.cfg has such a comment too).
string(REPEAT "Ohřev → 900 °C, " 40 comment)
compute(${SOURCE_DIR}/examples/uncontrolled.cfg --language cs --comment "${comment}" --results ${files}/results_utf8.odp)
# The results files also under a name that no glob claims, where only the content tells a
# results file from a problem.
foreach(name results_en results_cs results_utf8)
    file(COPY_FILE ${files}/${name}.odp ${files}/${name}.cfg)
endforeach()
file(WRITE ${files}/settings.cfg "[oven]\nFurnace Temperature = 900\n")

set(cases
    "uncontrolled.cfg|application/x-zorvet-problem"
    "problem_cs.cfg|application/x-zorvet-problem"
    "results_en.odp|application/x-zorvet-results"
    "results_cs.odp|application/x-zorvet-results"
    "results_utf8.odp|application/x-zorvet-results"
    "results_en.cfg|application/x-zorvet-results"
    "results_cs.cfg|application/x-zorvet-results"
    "results_utf8.cfg|application/x-zorvet-results"
    "presentation.odp|application/vnd.oasis.opendocument.presentation"
    "settings.cfg|text/plain")
set(names "")
foreach(case IN LISTS cases)
    string(REGEX REPLACE "\\|.*" "" name "${case}")
    list(APPEND names ${files}/${name})
endforeach()

set(failures "")
foreach(layout IN LISTS layouts)
    string(REPLACE "|" ";" layout "${layout}")
    list(GET layout 0 layout_name)
    list(GET layout 1 data_dirs)
    set(env ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${data_dirs} XDG_DATA_HOME=${WORK_DIR}/home GIO_USE_VFS=local)
    execute_process(COMMAND ${env} ${QT_TYPER} ${names} RESULT_VARIABLE status OUTPUT_VARIABLE qt ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${QT_TYPER} failed (${status}):\n${qt}${err}")
    endif()
    foreach(case IN LISTS cases)
        string(REPLACE "|" ";" case "${case}")
        list(GET case 0 name)
        list(GET case 1 expected)
        execute_process(COMMAND ${env} ${GIO} info -a standard::content-type ${files}/${name}
            RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT status EQUAL 0 OR NOT out MATCHES "standard::content-type: ([^\n]+)")
            message(FATAL_ERROR "gio info ${name} failed (${status}):\n${out}${err}")
        endif()
        if(NOT CMAKE_MATCH_1 STREQUAL expected)
            string(APPEND failures "\n  ${layout_name}, GIO: ${name}: ${CMAKE_MATCH_1}, expected ${expected}")
        endif()
        if(NOT qt MATCHES "/${name}\t([^\n]+)")
            message(FATAL_ERROR "${QT_TYPER} did not type ${name}:\n${qt}")
        endif()
        if(NOT CMAKE_MATCH_1 STREQUAL expected)
            string(APPEND failures "\n  ${layout_name}, Qt: ${name}: ${CMAKE_MATCH_1}, expected ${expected}")
        endif()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "wrong file types:${failures}")
endif()
message(STATUS "file types: problems, results and their neighbours as expected")
