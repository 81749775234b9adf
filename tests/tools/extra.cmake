# The text-set checker: its unit tests call the checker library, and the
# default installation's language files are checked as they stand.
if(TARGET test_tools)
  target_link_libraries(test_tools PRIVATE kiosk_textcheck kiosk_install kiosk_admin)
endif()
add_test(NAME textcheck_install COMMAND textcheck ${CMAKE_SOURCE_DIR}/install)
# kiosk-admin end to end on a working folder made by kiosk-setup, with a
# headless kiosk holding the product file (tests/tools/admin_e2e.sh).
if(TARGET kiosk-admin AND TARGET kiosk-setup AND TARGET kiosk-headless)
  add_test(NAME kiosk_admin_end_to_end
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/admin_e2e.sh $<TARGET_FILE:kiosk-admin>
            $<TARGET_FILE:kiosk-setup> $<TARGET_FILE:kiosk-headless> ${CMAKE_SOURCE_DIR}/install)
  set_tests_properties(kiosk_admin_end_to_end PROPERTIES LABELS "headless;admin" TIMEOUT 600)
endif()
