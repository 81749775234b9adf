# Headless script tests: the kiosk program run on a copy of the default
# installation with a key script (tests/shell/headless_scripts.sh).
if(TARGET kiosk-headless)
  foreach(case escape_and_pause language address config leftovers)
    add_test(NAME shell_headless_${case}
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/headless_scripts.sh
              $<TARGET_FILE:kiosk-headless> ${CMAKE_SOURCE_DIR}/install ${case})
    set_tests_properties(shell_headless_${case} PROPERTIES LABELS headless TIMEOUT 300)
  endforeach()
endif()
