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

# vexob_add_binary_data(<target> HEADER_NAME <name.h> NAMESPACE <name> SOURCES <files...>)
# The static library juce_add_binary_data makes (each file's bytes through juceaide), made again
# only when a file or the list of files changes. JUCE's own function rewrites its list of inputs at
# every configure, so every configure made the build embed every file again and relink every program
# that links the data. The files may be outputs of the build itself.
function(vexob_add_binary_data target)
    cmake_parse_arguments(ARG "" "HEADER_NAME;NAMESPACE" "SOURCES" ${ARGN})
    set(folder "${CMAKE_CURRENT_BINARY_DIR}/${target}_code")
    set(generated "${folder}/${ARG_HEADER_NAME}")
    set(inputs)
    set(sources)
    set(index 0)
    foreach(source IN LISTS ARG_SOURCES)
        get_filename_component(source "${source}" ABSOLUTE)
        list(APPEND sources "${source}")
        string(APPEND inputs "${source}\n")
        math(EXPR index "${index} + 1")
        # juceaide writes one source per file, numbered in the list's order.
        list(APPEND generated "${folder}/BinaryData${index}.cpp")
    endforeach()
    set(input_list "${folder}/input_file_list")
    file(WRITE "${input_list}.new" "${inputs}")
    file(COPY_FILE "${input_list}.new" "${input_list}" ONLY_IF_DIFFERENT)
    # juceaide leaves an output whose bytes did not change untouched, so that only what changed is
    # compiled again; the stamp tells the build that the embedding is up to date.
    set(stamp "${folder}/embedded.stamp")
    add_custom_command(
        OUTPUT "${stamp}"
        BYPRODUCTS ${generated}
        COMMAND juce::juceaide binarydata "${ARG_NAMESPACE}" "${ARG_HEADER_NAME}" "${folder}" "${input_list}"
        COMMAND "${CMAKE_COMMAND}" -E touch "${stamp}"
        DEPENDS "${input_list}" ${sources}
        COMMENT "Embedding ${target}"
        VERBATIM)
    add_library(${target} STATIC ${generated} "${stamp}")
    target_include_directories(${target} INTERFACE "${folder}")
    target_compile_features(${target} PRIVATE cxx_std_17)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE TRUE)
endfunction()

# vexob_test_suite(<target> LABEL <label> [NO_GUI] FOLDERS <folders...> LINKS <libs...>)
# One GoogleTest executable per layer; the tests are listed when the executable is built (listing
# needs no display). CTest then only reads the lists: listed as CTest started (PRE_TEST), they were
# written again after every configure, and two CTest runs in one build folder wrote the same file
# at once. The tests of a NO_GUI layer may not include JUCE's GUI modules either.
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
        DISCOVERY_MODE POST_BUILD
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
