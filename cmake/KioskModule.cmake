# Every folder's sources are picked up by pattern, so adding a file needs no
# edit here. Files named *_main.cpp are program entry points, not library code.
function(kiosk_sources out dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "_main\\.cpp$")
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# A static library from one folder; an interface library while it is empty.
function(kiosk_library name dir)
  kiosk_sources(srcs ${dir})
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

function(kiosk_app_library)
  set(all)
  foreach(dir screen shell map editors)
    kiosk_sources(srcs ${dir})
    list(APPEND all ${srcs})
  endforeach()
  if(all)
    add_library(kiosk_app STATIC ${all})
    target_include_directories(kiosk_app PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(kiosk_app PUBLIC kiosk_graph kiosk_isam kiosk_common)
  else()
    add_library(kiosk_app INTERFACE)
    target_link_libraries(kiosk_app INTERFACE kiosk_graph kiosk_isam kiosk_common)
  endif()
endfunction()

# One test program per tests/ subfolder, each test case registered with ctest.
function(kiosk_test_folder dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*_test.cpp)
  if(NOT srcs)
    return()
  endif()
  # The lower layers are tested on their own, so that work in the upper
  # folders never holds up their tests.
  if(dir STREQUAL "common")
    set(lib kiosk_common)
  elseif(dir STREQUAL "graph")
    set(lib kiosk_graph)
  elseif(dir STREQUAL "isam")
    set(lib kiosk_isam)
  else()
    set(lib kiosk_app kiosk_testing)
  endif()
  add_executable(test_${dir} ${srcs})
  target_link_libraries(test_${dir} PRIVATE ${lib} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(test_${dir}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "KIOSK_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()
