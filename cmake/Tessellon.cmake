# Helpers shared by every folder's CMakeLists.txt.

# Adds every subfolder of the current folder that has a CMakeLists.txt, so a
# new subsystem needs no edit of its parent.
function(tessellon_add_subfolders)
    file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT children)
    foreach(child IN LISTS children)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# The sources (.cpp and .h) of one folder, picked up as files are added.
function(tessellon_sources out_var folder)
    file(GLOB found CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    set(${out_var} ${found} PARENT_SCOPE)
endfunction()

# One GoogleTest executable per test folder; widget tests (GUI) get a
# QApplication and run offscreen.
function(tessellon_add_test name)
    cmake_parse_arguments(T "GUI;SERIAL;XVFB;DBUS" "" "LIBS" ${ARGN})
    tessellon_sources(test_sources ${CMAKE_CURRENT_SOURCE_DIR})
    add_executable(${name} ${test_sources})
    if(T_GUI)
        set(test_main tessellon_testmain_gui)
    else()
        set(test_main tessellon_testmain_core)
    endif()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock
                          tessellon_testsupport ${test_main})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                          ${CMAKE_BINARY_DIR}/tests)
    # The test mains pin the environment (time zone, locale, platform,
    # where the programs are): discovered tests cannot carry a list-valued
    # ENVIRONMENT property through gtest_discover_tests.
    # SERIAL: tests that must not run beside other tests (Qt's file dialogs
    # in parallel test processes have been seen to stall; the indexing
    # daemon runs at idle priority).
    # XVFB: widget tests that need a real X display (the web engine); the
    # whole program is one test on a display of its own, beside nothing else.
    # DBUS: tests on a session bus of their own (dbus-run-session).
    # The sanitizer build's settings come first, for the test listing too.
    if(TESSELLON_SANITIZE)
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
                     ${TESSELLON_SANITIZER_TEST_ENVIRONMENT})
    endif()
    if(T_DBUS)
        add_test(NAME ${name} COMMAND dbus-run-session -- $<TARGET_FILE:${name}>)
    elseif(T_XVFB)
        add_test(NAME ${name} COMMAND xvfb-run -a -s "-screen 0 1600x1200x24"
                 $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=xcb RUN_SERIAL TRUE)
    elseif(T_SERIAL)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES RUN_SERIAL TRUE)
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
