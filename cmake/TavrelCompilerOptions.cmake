# One warning set for every target of the project.
add_library(tavrel_options INTERFACE)
target_compile_options(tavrel_options INTERFACE
    -Wall -Wextra -pedantic -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
if(TAVREL_WARNINGS_AS_ERRORS)
    target_compile_options(tavrel_options INTERFACE -Werror)
endif()
target_compile_definitions(tavrel_options INTERFACE
    QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER QT_NO_FOREACH)

# Declares a GoogleTest executable. Tests that need generated clips pass FIXTURES media.
function(tavrel_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;FIXTURES" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main tavrel_options)
    # Test discovery loses list separators in ENVIRONMENT, so the environment is
    # set by running every test (and its discovery) through env(1).
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
        "/usr/bin/env;QT_QPA_PLATFORM=offscreen;TAVREL_TEST_MEDIA=${CMAKE_BINARY_DIR}/test-media")
    set(props "")
    if(T_LABELS)
        list(APPEND props LABELS ${T_LABELS})
    endif()
    # Tests on the run's one X server (a tray host, real pointer clicks) must not overlap.
    if("xvfb" IN_LIST T_LABELS)
        list(APPEND props RUN_SERIAL TRUE)
    endif()
    if(T_FIXTURES)
        list(APPEND props FIXTURES_REQUIRED "${T_FIXTURES}")
    endif()
    if(props)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES ${props})
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
    endif()
endfunction()
