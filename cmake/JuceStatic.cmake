# JUCE is compiled exactly once, into two static libraries:
#   vexob_juce_core  the modules without a display: core, events, data structures, audio basics
#                    and audio devices (MIDI). The model and the engine link only this one.
#   vexob_juce_gui   graphics, GUI basics and GUI extra, on top of vexob_juce_core.
# Every library, tool, test and the application link one of them and get JUCE's include paths
# and definitions from it. Linking JUCE's module targets directly would compile the modules again
# into each of them. Optimisation comes from CMake's per-configuration flags alone: JUCE's
# recommended flags would pin Debug to -O0, and CI's sanitizer run builds Debug at -O1.

# Debian's JUCE decodes images with the system's libpng and libjpeg.
find_package(PkgConfig REQUIRED)
pkg_check_modules(vexob_image_libs REQUIRED IMPORTED_TARGET libpng libjpeg)

set(vexob_juce_settings
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    DONT_SET_USING_JUCE_NAMESPACE=1
    JUCE_STANDALONE_APPLICATION=1
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_USE_XRANDR=1
    JUCE_USE_XINERAMA=0
    # A Debug build keeps JUCE's assertions, leak detectors and our own jasserts; each failure
    # goes to juce::Logger, where the test programs turn it into a failed test.
    $<$<CONFIG:Debug>:JUCE_LOG_ASSERTIONS=1>)

function(vexob_juce_library_properties target)
    set_target_properties(${target} PROPERTIES
        POSITION_INDEPENDENT_CODE TRUE
        VISIBILITY_INLINES_HIDDEN TRUE
        C_VISIBILITY_PRESET hidden
        CXX_VISIBILITY_PRESET hidden)
    # What the library was compiled with is what its users see.
    target_compile_definitions(${target} INTERFACE $<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>)
    target_include_directories(${target} SYSTEM INTERFACE $<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>)
endfunction()

# --- Without a display ----------------------------------------------------------------------------
add_library(vexob_juce_core STATIC)
target_link_libraries(vexob_juce_core
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_audio_basics
        juce::juce_audio_devices)
target_compile_definitions(vexob_juce_core PRIVATE ${vexob_juce_settings})
vexob_juce_library_properties(vexob_juce_core)

# --- The GUI modules ------------------------------------------------------------------------------
if(VEXOB_GUI)
# Their module targets would bring the modules they depend on along (and compile them a second
# time), so only each module's own sources, definitions and system libraries are taken. The
# sources are read as the module set them: $<TARGET_PROPERTY:...,INTERFACE_SOURCES> would follow
# the module's dependencies and bring juce_core, juce_events and juce_data_structures in again.
set(vexob_juce_gui_modules juce_graphics juce_gui_basics juce_gui_extra)

add_library(vexob_juce_gui STATIC)
target_link_libraries(vexob_juce_gui PUBLIC vexob_juce_core PkgConfig::vexob_image_libs)
foreach(module IN LISTS vexob_juce_gui_modules)
    get_target_property(module_sources juce::${module} INTERFACE_SOURCES)
    target_sources(vexob_juce_gui PRIVATE ${module_sources})
    target_compile_definitions(vexob_juce_gui PRIVATE $<TARGET_PROPERTY:juce::${module},INTERFACE_COMPILE_DEFINITIONS>)
    target_include_directories(vexob_juce_gui PRIVATE $<TARGET_PROPERTY:juce::${module},INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_options(vexob_juce_gui PRIVATE $<TARGET_PROPERTY:juce::${module},INTERFACE_COMPILE_OPTIONS>)
    target_link_libraries(vexob_juce_gui PUBLIC
        "$<FILTER:$<TARGET_PROPERTY:juce::${module},INTERFACE_LINK_LIBRARIES>,EXCLUDE,^(juce::)?juce_>")
endforeach()
target_compile_definitions(vexob_juce_gui PRIVATE ${vexob_juce_settings})
vexob_juce_library_properties(vexob_juce_gui)
endif()

# Sources of our own libraries that must stay without a display see these headers instead of
# JUCE's GUI modules, so a GUI include there stops the build with a clear message.
set(VEXOB_NO_GUI_INCLUDES "${PROJECT_SOURCE_DIR}/cmake/no_gui_includes")
