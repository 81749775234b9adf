# The real-window check: a small program driven under Xvfb by a script.
add_executable(graph-window-check ${CMAKE_CURRENT_LIST_DIR}/window_check.cpp)
target_link_libraries(graph-window-check PRIVATE kiosk_graph)
add_test(NAME graph_window
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_test.sh $<TARGET_FILE:graph-window-check>)
# SDL and the X libraries keep allocations to the end of the process.
set_tests_properties(graph_window PROPERTIES LABELS "window;nosan" TIMEOUT 60)
