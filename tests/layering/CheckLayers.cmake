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

set(faults "")
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.inc"
    "${SOURCE_DIR}/tools/*.h" "${SOURCE_DIR}/tools/*.cpp")

foreach(file IN LISTS files)
    # The layer of a file: its folder below src/ (or tools), with the separate libraries first.
    if(file MATCHES "^src/autopopulate/core/")
        set(layer autopopulate/core)
    elseif(file MATCHES "^src/([a-z]+)/")
        set(layer "${CMAKE_MATCH_1}")
    elseif(file MATCHES "^tools/")
        set(layer tools)
    else()
        continue()
    endif()
    if(NOT DEFINED allowed_${layer})
        string(APPEND faults "  ${file}: the folder is no known layer\n")
        continue()
    endif()

    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
            set(target "${CMAKE_MATCH_1}")
            if(line MATCHES "#[ \t]*include[ \t]*\"autopopulate/core/")
                set(target autopopulate/core)
            endif()
            list(FIND layers "${target}" known)
            if(known EQUAL -1 AND NOT target STREQUAL "autopopulate/core")
                continue()
            endif()
            list(FIND allowed_${layer} "${target}" permitted)
            # The Auto Populate tool may use its own GUI-free library.
            if(permitted EQUAL -1 AND NOT (layer STREQUAL "autopopulate" AND target STREQUAL "autopopulate/core"))
                string(STRIP "${line}" line)
                string(APPEND faults "  ${file} (${layer}) includes a layer above it: ${line}\n")
            endif()
        endif()
        list(FIND without_display "${layer}" headless)
        if(NOT headless EQUAL -1 AND line MATCHES "<juce_(gui_basics|gui_extra|graphics|opengl)/")
            string(STRIP "${line}" line)
            string(APPEND faults "  ${file} (${layer}) must work without a display: ${line}\n")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Layering faults:\n${faults}")
endif()
list(LENGTH files count)
message(STATUS "Layering: ${count} files checked, every include points down")
