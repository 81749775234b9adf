# The Debian package built and installed into a throw-away root
# (tests/package/package_check.sh). It packs the whole plain build, so the
# sanitizer run leaves it out (label package).
if(NOT KIOSK_SANITIZE)
  add_test(NAME package_deb_installs COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package_check.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package_deb_installs PROPERTIES LABELS package SKIP_RETURN_CODE 77 TIMEOUT 900)
endif()
# The kiosk under cage on a headless output, started as its unit starts it
# (tests/package/cage_check.sh).
if(NOT KIOSK_SANITIZE AND TARGET kiosk AND TARGET kiosk-setup)
  add_test(NAME kiosk_under_cage
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/cage_check.sh $<TARGET_FILE:kiosk> $<TARGET_FILE:kiosk-setup>
            ${CMAKE_SOURCE_DIR}/install ${CMAKE_BINARY_DIR}/package/${KIOSK_PACKAGE}.service)
  set_tests_properties(kiosk_under_cage PROPERTIES LABELS "cage;window" SKIP_RETURN_CODE 77 TIMEOUT 180)
endif()
