# JUCE is compiled exactly once, into vexob_juce. Every library, tool, test and the application
# link this one target and get JUCE's include paths and definitions from it. Linking JUCE's module
# targets directly would compile the modules again into each of them.

# Debian's JUCE decodes images with the system's libpng and libjpeg.
find_package(PkgConfig REQUIRED)
pkg_check_modules(vexob_image_libs REQUIRED IMPORTED_TARGET libpng libjpeg)

add_library(vexob_juce STATIC)

target_link_libraries(vexob_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_gui_extra
        juce::juce_audio_basics
        juce::juce_audio_devices
    PUBLIC
        juce::juce_recommended_config_flags
        PkgConfig::vexob_image_libs)

target_compile_definitions(vexob_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_MODAL_LOOPS_PERMITTED=1
        DONT_SET_USING_JUCE_NAMESPACE=1
        JUCE_STANDALONE_APPLICATION=1
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_USE_XRANDR=1
        JUCE_USE_XINERAMA=0
    INTERFACE
        $<TARGET_PROPERTY:vexob_juce,COMPILE_DEFINITIONS>)

target_include_directories(vexob_juce SYSTEM
    INTERFACE
        $<TARGET_PROPERTY:vexob_juce,INCLUDE_DIRECTORIES>)

set_target_properties(vexob_juce PROPERTIES
    POSITION_INDEPENDENT_CODE TRUE
    VISIBILITY_INLINES_HIDDEN TRUE
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden)
