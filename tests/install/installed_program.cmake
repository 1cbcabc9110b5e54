# Installs the build into WORK_DIR/prefix and runs the installed program from there.
# Run with: cmake -DBUILD_DIR=... -DWORK_DIR=... -P installed_program.cmake
cmake_minimum_required(VERSION 3.25)

set(prefix ${WORK_DIR}/prefix)
set(home ${WORK_DIR}/home)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${home})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${out}${err}")
endif()

foreach(file
        bin/zorvet
        share/zorvet/Material.lst share/zorvet/Conductivity.lst share/zorvet/Eps.eng share/zorvet/Eps.cz
        share/applications/org.zorvet.Zorvet.desktop
        share/mime/packages/org.zorvet.Zorvet.xml
        share/metainfo/org.zorvet.Zorvet.metainfo.xml
        share/icons/hicolor/scalable/apps/org.zorvet.Zorvet.svg
        share/doc/zorvet/copyright
        share/doc/zorvet/README.md
        share/doc/zorvet/examples/uncontrolled.cfg
        share/doc/zorvet/examples/controlled_curve.cfg)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# The user's own folders, so that nothing of the real home is read or written.
set(env ${CMAKE_COMMAND} -E env HOME=${home} XDG_CONFIG_HOME=${home}/.config XDG_DATA_HOME=${home}/.local/share)
set(program ${prefix}/bin/zorvet)
set(examples ${prefix}/share/doc/zorvet/examples)

# The batch command line of the installed program, in both languages.
foreach(case "en|Final temperature 901 °C have been obtained during 470 s."
             "cs|Konečné teploty  901 °C je dosaženo za 470 s.")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 language)
    list(GET case 1 expected)
    execute_process(COMMAND ${env} ${program} compute ${examples}/uncontrolled.cfg --language ${language}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(FIND "${out}" "${expected}\n" at)
    if(NOT status EQUAL 0 OR at EQUAL -1)
        message(FATAL_ERROR "installed zorvet compute (${language}) gave status ${status}:\n${out}${err}")
    endif()
endforeach()

# The window of the installed program, on the offscreen platform for a few seconds: it may not
# write beside itself (here, run by root, it could; it still must not), so it fills the user's
# data folder from share/zorvet.
set(data ${home}/.local/share/org.zorvet.Zorvet)
function(start_window)
    execute_process(COMMAND ${env} QT_QPA_PLATFORM=offscreen ${program}
        WORKING_DIRECTORY ${WORK_DIR} TIMEOUT 5 RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    # The window runs until it is closed: the timeout ends it. Anything else is a failure.
    if(NOT status MATCHES "timeout")
        message(FATAL_ERROR "the installed window ended by itself (${status}):\n${out}${err}")
    endif()
endfunction()

start_window()
foreach(file Material.lst Conductivity.lst Eps.eng Eps.cz)
    file(READ ${prefix}/share/zorvet/${file} shipped HEX)
    if(NOT EXISTS ${data}/${file})
        message(FATAL_ERROR "the user's data folder lacks ${file}")
    endif()
    file(READ ${data}/${file} copy HEX)
    if(NOT copy STREQUAL shipped)
        message(FATAL_ERROR "${data}/${file} is not the shipped file")
    endif()
endforeach()
file(GLOB beside ${prefix}/bin/*)
if(NOT beside STREQUAL "${program}")
    message(FATAL_ERROR "the installed program wrote beside itself: ${beside}")
endif()

# A material the user saved survives the next start.
file(APPEND ${data}/Material.lst "Nerez 304\r\n 452.5  7900 \r\n")
file(READ ${data}/Material.lst own HEX)
file(REMOVE ${data}/Eps.cz)
start_window()
file(READ ${data}/Material.lst after HEX)
if(NOT after STREQUAL own)
    message(FATAL_ERROR "the second start replaced the user's Material.lst")
endif()
if(NOT EXISTS ${data}/Eps.cz)
    message(FATAL_ERROR "the second start did not bring back the missing Eps.cz")
endif()
message(STATUS "installed program: batch output and the user's data folder as expected")
