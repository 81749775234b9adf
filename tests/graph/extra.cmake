# The real-window check: a small program driven under Xvfb by a script.
add_executable(graph-window-check ${CMAKE_CURRENT_LIST_DIR}/window_check.cpp)
target_link_libraries(graph-window-check PRIVATE kiosk_graph)
add_test(NAME graph_window
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_test.sh $<TARGET_FILE:graph-window-check>)
# Leaks the X, SDL and fontconfig libraries keep to the end of the process
# are suppressed in graph/state.cpp, so this runs in the sanitizer build too.
set_tests_properties(graph_window PROPERTIES LABELS "window" TIMEOUT 60)

# kiosk-headless end to end on the default installation.
if(TARGET kiosk-headless)
  add_test(NAME headless_runner
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tools/headless_test.sh $<TARGET_FILE:kiosk-headless>
            ${CMAKE_SOURCE_DIR}/install)
  set_tests_properties(headless_runner PROPERTIES LABELS "headless" TIMEOUT 120)
endif()
