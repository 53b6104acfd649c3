# corvane_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI] [ALONE])
# GUI tests need a display; the test runner starts them under xvfb-run.
# ALONE tests press real keys or move the real pointer through the X server,
# which the test runner shares among the GUI tests: they run with no other
# test beside them, so that no other window takes the focus or lies under
# the pointer.
include(GoogleTest)
find_package(GTest QUIET)
function(corvane_add_test)
  cmake_parse_arguments(T "GUI;ALONE" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_GUI)
    set(labels gui)
    set(test_main corvane_test_gui_main)
  else()
    set(labels unit)
    set(test_main corvane_test_main)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} ${test_main} GTest::gtest GTest::gmock)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS ${labels}
               ENVIRONMENT "CORVANE_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp"
               TIMEOUT 300
               RUN_SERIAL ${T_ALONE})
endfunction()

# corvane_add_folder_tests(PREFIX <prefix> LIBS <targets...>)
# One test program per *Test.cpp file of the calling folder, named
# <prefix>_<file>; files named *GuiTest.cpp need a display, and those named
# *KeysGuiTest.cpp press real keys or move the pointer and run alone.
function(corvane_add_folder_tests)
  cmake_parse_arguments(F "" "PREFIX" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  foreach(src IN LISTS test_sources)
    get_filename_component(name ${src} NAME_WE)
    if(name MATCHES "KeysGuiTest$")
      corvane_add_test(NAME ${F_PREFIX}_${name} SOURCES ${src} LIBS ${F_LIBS} GUI ALONE)
    elseif(name MATCHES "GuiTest$")
      corvane_add_test(NAME ${F_PREFIX}_${name} SOURCES ${src} LIBS ${F_LIBS} GUI)
    else()
      corvane_add_test(NAME ${F_PREFIX}_${name} SOURCES ${src} LIBS ${F_LIBS})
    endif()
  endforeach()
endfunction()

# corvane_test_runs_program(<test> <program target> <macro>)
# The test starts one of our programs as a process of its own on the test's
# display (tests/support/ProgramProcess.h): the program is built first and
# its path is given to the test as <macro>.
function(corvane_test_runs_program test program macro)
  if(NOT TARGET ${program})
    return()
  endif()
  add_dependencies(${test} ${program})
  target_compile_definitions(${test} PRIVATE ${macro}="$<TARGET_FILE:${program}>")
  target_link_libraries(${test} PRIVATE corvane_test_programs)
endfunction()
