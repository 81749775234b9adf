# The text-set checker: its unit tests call the checker library, and the
# default installation's language files are checked as they stand.
if(TARGET test_tools)
  target_link_libraries(test_tools PRIVATE kiosk_textcheck kiosk_install)
endif()
add_test(NAME textcheck_install COMMAND textcheck ${CMAKE_SOURCE_DIR}/install)
