# The guide end to end through kiosk-headless (tests/screen/guide_headless.sh).
if(TARGET kiosk-headless)
  add_test(NAME screen_guide_headless
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/guide_headless.sh
            $<TARGET_FILE:kiosk-headless> ${CMAKE_SOURCE_DIR}/install)
  set_tests_properties(screen_guide_headless PROPERTIES LABELS headless TIMEOUT 300)
endif()
