# The fileblock tool's tests find their transcripts in the source tree and
# run the program itself; the fuzz corpus is replayed as a plain test.
if(TARGET test_tools)
  target_compile_definitions(test_tools PRIVATE KIOSK_TEST_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  if(TARGET fileblock)
    target_compile_definitions(test_tools PRIVATE FILEBLOCK_PROGRAM="$<TARGET_FILE:fileblock>")
    add_dependencies(test_tools fileblock)
  endif()
endif()
include(${CMAKE_SOURCE_DIR}/fuzz/replay.cmake OPTIONAL)
