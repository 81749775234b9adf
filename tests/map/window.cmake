# The shopper's road in the real kiosk window under Xvfb, compared with the
# same keys run through kiosk-headless (tests/map/window_e2e.sh), and the
# same kiosk on displays of other sizes, its screens scaled to fill them
# (tests/map/window_scaled.sh).
if(TARGET kiosk AND TARGET kiosk-headless AND TARGET kiosk-setup)
  foreach(name e2e scaled)
    add_test(NAME map_window_${name}
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_${name}.sh
              $<TARGET_FILE:kiosk> $<TARGET_FILE:kiosk-headless> $<TARGET_FILE:kiosk-setup>
              ${CMAKE_SOURCE_DIR}/install)
  endforeach()
  set_tests_properties(map_window_e2e PROPERTIES LABELS window TIMEOUT 90)
  set_tests_properties(map_window_scaled PROPERTIES LABELS window TIMEOUT 150)
endif()
