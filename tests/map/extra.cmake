# The shopper's search end to end: kiosk-headless on a demo store made by
# kiosk-setup (tests/map/search_headless.sh).
if(TARGET kiosk-headless AND TARGET kiosk-setup AND TARGET fileblock)
  add_test(NAME map_search_headless
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/search_headless.sh
            $<TARGET_FILE:kiosk-headless> $<TARGET_FILE:kiosk-setup>
            $<TARGET_FILE:fileblock> ${CMAKE_SOURCE_DIR}/install)
  set_tests_properties(map_search_headless PROPERTIES LABELS headless TIMEOUT 300)
endif()
# The zone editor end to end, and the map display that follows the saved
# zones (tests/map/zones_headless.sh).
if(TARGET kiosk-headless AND TARGET kiosk-setup AND TARGET fileblock)
  add_test(NAME map_zones_headless
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/zones_headless.sh
            $<TARGET_FILE:kiosk-headless> $<TARGET_FILE:kiosk-setup>
            $<TARGET_FILE:fileblock> ${CMAKE_SOURCE_DIR}/install)
  set_tests_properties(map_zones_headless PROPERTIES LABELS headless TIMEOUT 300)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/window.cmake)
