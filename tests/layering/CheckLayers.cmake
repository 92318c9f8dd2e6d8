# Fails when a source file includes a header of a layer above its own, or when a layer that must
# work without a display includes one of JUCE's GUI modules. Run with -DSOURCE_DIR=<repository>.
#
# Each layer lists the layers whose headers it may include (its own included). A folder below a
# layer that forms a library of its own is named with its path.

set(allowed_model             model)
set(allowed_engine            engine model)
set(allowed_simulation        simulation engine model)
set(allowed_text              text)
set(allowed_widgets           widgets text model)
set(allowed_services          services engine model)
set(allowed_editor            editor widgets services text engine model)
set(allowed_dialogs           dialogs editor widgets services text engine model)
set(allowed_sequencer         sequencer widgets services text engine model)
set(allowed_autopopulate      autopopulate widgets services text engine model)
set(allowed_autopopulate/core autopopulate/core model)
set(allowed_app               app dialogs sequencer autopopulate editor widgets services text simulation engine model)
set(allowed_tools             tools widgets text)

set(layers model engine simulation text widgets services editor dialogs sequencer autopopulate app)
set(without_display model engine simulation text autopopulate/core)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# The layer of a file given by its path in the repository: its folder below src/ (or tools), with
# the separate libraries first; empty for a file outside the layers.
function(layer_of path out)
    if(path MATCHES "^src/autopopulate/core/")
        set(${out} autopopulate/core PARENT_SCOPE)
    elseif(path MATCHES "^src/([a-z]+)/")
        set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    elseif(path MATCHES "^tools/")
        set(${out} tools PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

set(faults "")
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.inc"
    "${SOURCE_DIR}/tools/*.h" "${SOURCE_DIR}/tools/*.cpp")

foreach(file IN LISTS files)
    layer_of("${file}" layer)
    if(NOT layer)
        continue()
    endif()
    if(NOT DEFINED allowed_${layer})
        string(APPEND faults "  ${file}: the folder is no known layer\n")
        continue()
    endif()
    get_filename_component(folder "${SOURCE_DIR}/${file}" DIRECTORY)
    list(FIND without_display "${layer}" headless)

    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        string(STRIP "${line}" line)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            # As the compiler does: beside the including file first ("../app/X.h", "lcd/X.h"),
            # then below src/ ("app/X.h").
            set(included "${CMAKE_MATCH_1}")
            if(EXISTS "${folder}/${included}")
                get_filename_component(included "${folder}/${included}" ABSOLUTE)
                file(RELATIVE_PATH included "${SOURCE_DIR}" "${included}")
            else()
                set(included "src/${included}")
            endif()
            layer_of("${included}" target)
            list(FIND layers "${target}" known)
            if(target AND (NOT known EQUAL -1 OR target STREQUAL "autopopulate/core"))
                list(FIND allowed_${layer} "${target}" permitted)
                # The Auto Populate tool may use its own GUI-free library.
                if(permitted EQUAL -1 AND NOT (layer STREQUAL "autopopulate" AND target STREQUAL "autopopulate/core"))
                    string(APPEND faults "  ${file} (${layer}) includes a layer above it (${target}): ${line}\n")
                endif()
            endif()
        endif()
        if(NOT headless EQUAL -1 AND line MATCHES "<juce_(gui_basics|gui_extra|graphics|opengl)/")
            string(APPEND faults "  ${file} (${layer}) must work without a display: ${line}\n")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Layering faults:\n${faults}")
endif()
list(LENGTH files count)
message(STATUS "Layering: ${count} files checked, every include points down")
