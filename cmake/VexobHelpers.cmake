# Warnings for our own code only; JUCE's headers come in as system includes.
add_library(vexob_warnings INTERFACE)
target_compile_options(vexob_warnings INTERFACE -Wall -Wextra -Wshadow $<$<BOOL:${VEXOB_WERROR}>:-Werror>)

if(VEXOB_FUZZ)
    # Coverage feedback for the code under fuzzing; only the fuzz targets link the fuzzer's main.
    target_compile_options(vexob_warnings INTERFACE -fsanitize=fuzzer-no-link)
endif()

# vexob_library(<target> <folder> [NO_GUI] [LINKS <libs...>] [EXCLUDE <file names...>]
#               [EXCLUDE_FOLDERS <subfolders...>])
# One static library per layer folder, made of every source in that folder and its subfolders
# (but those named in EXCLUDE_FOLDERS, which form libraries of their own). Headers are included by
# their path below src/ ("model/VexoPad.h"). A NO_GUI library links only JUCE's modules without a
# display, and a GUI include in its sources stops the build.
function(vexob_library target folder)
    cmake_parse_arguments(ARG "NO_GUI" "" "LINKS;EXCLUDE;EXCLUDE_FOLDERS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${folder}/*.cpp" "${folder}/*.h")
    # Paths are compared as paths, never put into a regular expression: a checkout may live
    # in a folder whose name holds '+', '.' or brackets.
    set(kept)
    foreach(source IN LISTS sources)
        get_filename_component(name "${source}" NAME)
        get_filename_component(extension "${source}" LAST_EXT)
        if(NOT extension STREQUAL ".cpp" OR name IN_LIST ARG_EXCLUDE)
            continue()
        endif()
        set(inside_excluded FALSE)
        foreach(excluded IN LISTS ARG_EXCLUDE_FOLDERS)
            set(excluded_folder "${folder}/${excluded}")
            cmake_path(IS_PREFIX excluded_folder "${source}" NORMALIZE inside)
            if(inside)
                set(inside_excluded TRUE)
            endif()
        endforeach()
        if(NOT inside_excluded)
            list(APPEND kept "${source}")
        endif()
    endforeach()
    set(sources ${kept})
    if(ARG_NO_GUI)
        set(juce_library vexob_juce_core)
    else()
        set(juce_library vexob_juce_gui)
    endif()
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
        if(ARG_NO_GUI)
            target_include_directories(${target} BEFORE PRIVATE "${VEXOB_NO_GUI_INCLUDES}")
        endif()
        target_link_libraries(${target} PUBLIC ${juce_library} ${ARG_LINKS} PRIVATE vexob_warnings)
    else()
        # A folder with headers only (or nothing yet) still gives dependants its include path.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${PROJECT_SOURCE_DIR}/src")
        target_link_libraries(${target} INTERFACE ${juce_library} ${ARG_LINKS})
    endif()
endfunction()

# vexob_test_suite(<target> LABEL <label> [NO_GUI] FOLDERS <folders...> LINKS <libs...>)
# One GoogleTest executable per layer; the tests are discovered when CTest runs. The tests of a
# NO_GUI layer may not include JUCE's GUI modules either.
function(vexob_test_suite target)
    cmake_parse_arguments(ARG "NO_GUI" "LABEL" "FOLDERS;LINKS" ${ARGN})
    set(sources)
    foreach(folder IN LISTS ARG_FOLDERS)
        file(GLOB found CONFIGURE_DEPENDS "${folder}/*.cpp" "${folder}/*.h")
        list(APPEND sources ${found})
    endforeach()
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(NOT sources)
        return()
    endif()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE vexob_test_support ${ARG_LINKS} vexob_warnings)
    if(ARG_NO_GUI)
        target_include_directories(${target} BEFORE PRIVATE "${VEXOB_NO_GUI_INCLUDES}")
    endif()
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${ARG_LABEL}" TIMEOUT 300)
endfunction()

# vexob_benchmark(<target> SOURCES <files...> LINKS <libs...>): run by hand, never by CTest.
function(vexob_benchmark target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE benchmark::benchmark ${ARG_LINKS} vexob_warnings)
endfunction()

# vexob_fuzzer(<target> SOURCES <files...> LINKS <libs...>): a libFuzzer target (clang only).
function(vexob_fuzzer target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LINKS} vexob_warnings)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
endfunction()
