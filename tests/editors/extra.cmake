# kiosk-setup makes a working folder from the default installation, and a
# second run on the same folder changes nothing.
if(TARGET kiosk-setup)
  add_test(NAME kiosk_setup_makes_working_folder
    COMMAND ${CMAKE_COMMAND} -E env KIOSK_SOURCE_DIR=${CMAKE_SOURCE_DIR}
            sh ${CMAKE_CURRENT_LIST_DIR}/kiosk_setup_check.sh $<TARGET_FILE:kiosk-setup>)
endif()
