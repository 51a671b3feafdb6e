# JUCE's module targets are INTERFACE libraries carrying their .cpp files.
# Compile them once into one static library and re-export what consumers need,
# instead of linking the modules into every executable.
set(ZK7_JUCE_MODULES
    juce::juce_core juce::juce_events juce::juce_data_structures
    juce::juce_graphics juce::juce_gui_basics juce::juce_gui_extra
    juce::juce_audio_basics juce::juce_audio_devices juce::juce_audio_processors)

add_library(zk7juce STATIC)
target_link_libraries(zk7juce
    PRIVATE ${ZK7_JUCE_MODULES}
    PUBLIC juce::pkgconfig_JUCE_IMG_LINUX_DEPS)

set(zk7_juce_definitions
    JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
    JUCE_STANDALONE_APPLICATION=1
    JUCE_USE_CURL=0
    JUCE_WEB_BROWSER=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    $<IF:$<CONFIG:Debug>,DEBUG=1;_DEBUG=1,NDEBUG=1;_NDEBUG=1>)
target_compile_definitions(zk7juce PUBLIC ${zk7_juce_definitions})

foreach(module IN LISTS ZK7_JUCE_MODULES)
    target_include_directories(zk7juce SYSTEM PUBLIC $<TARGET_PROPERTY:${module},INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_definitions(zk7juce PUBLIC $<TARGET_PROPERTY:${module},INTERFACE_COMPILE_DEFINITIONS>)
endforeach()

# JUCE copies empty blocks with memcpy (null, null, 0); UBSan would stop on that
# inside JUCE. Our own code keeps the check.
if(ZK7_SANITIZE)
    target_compile_options(zk7juce PRIVATE -fno-sanitize=nonnull-attribute)
endif()
