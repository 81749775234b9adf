# Replays the fuzz corpus through the fuzz target with the ordinary compiler
# (no fuzzing engine needed), as one test.
add_executable(fileblock_fuzz_replay ${CMAKE_SOURCE_DIR}/fuzz/fileblock_fuzz.cpp
                                     ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
target_link_libraries(fileblock_fuzz_replay PRIVATE kiosk_isam)
add_test(NAME fileblock_fuzz_corpus
         COMMAND fileblock_fuzz_replay ${CMAKE_SOURCE_DIR}/fuzz/corpus)
