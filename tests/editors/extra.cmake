# kiosk-setup makes a working folder from the default installation, and a
# second run on the same folder changes nothing.
if(TARGET kiosk-setup)
  add_test(NAME kiosk_setup_makes_working_folder
    COMMAND ${CMAKE_COMMAND} -E env KIOSK_SOURCE_DIR=${CMAKE_SOURCE_DIR}
            sh ${CMAKE_CURRENT_LIST_DIR}/kiosk_setup_check.sh $<TARGET_FILE:kiosk-setup>)
endif()
# The product and map editors end to end on the demo store
# (tests/editors/products_headless.sh, mapedit_headless.sh).
if(TARGET kiosk-headless AND TARGET kiosk-setup AND TARGET fileblock)
  foreach(editor products mapedit)
    add_test(NAME editors_${editor}_headless
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/${editor}_headless.sh
              $<TARGET_FILE:kiosk-headless> $<TARGET_FILE:kiosk-setup>
              $<TARGET_FILE:fileblock> ${CMAKE_SOURCE_DIR}/install)
    set_tests_properties(editors_${editor}_headless PROPERTIES LABELS headless TIMEOUT 600)
  endforeach()
endif()

# The not-found log end to end: shoppers' words, the staff browse, a product
# made of one, export and top list (tests/editors/notfound_headless.sh).
if(TARGET kiosk-headless AND TARGET kiosk-setup AND TARGET fileblock)
  add_test(NAME editors_notfound_headless
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/notfound_headless.sh
            $<TARGET_FILE:kiosk-headless> $<TARGET_FILE:kiosk-setup>
            $<TARGET_FILE:fileblock> ${CMAKE_SOURCE_DIR}/install)
  set_tests_properties(editors_notfound_headless PROPERTIES LABELS headless TIMEOUT 300)
endif()
