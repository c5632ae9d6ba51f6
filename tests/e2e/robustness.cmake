# The soak and the bad-input suite: the real kinloom.exe under Wine, beside the end-to-end cases.

# Object, handle and memory figures of another process, shared with the start-up benchmark.
add_library(kinloom_e2e_counters STATIC process_counters.cpp)
target_link_libraries(kinloom_e2e_counters PUBLIC user32 psapi)

# The soak: thousands of frame changes and a hundred sub-menu trips, then the same footprint.
add_executable(kinloom_e2e_soak soak_test.cpp)
target_link_libraries(kinloom_e2e_soak PRIVATE kinloom_e2e_fixture kinloom_e2e_counters gtest_main)
add_dependencies(kinloom_e2e_soak kinloom_stand_in kinloom)
# One ctest case per program (discovered cases cannot carry two labels): `ctest -L soak`
# selects it, and the end-to-end run (label e2e) includes it.
add_test(NAME Soak COMMAND kinloom_e2e_soak)
set_tests_properties(Soak PROPERTIES LABELS "e2e;soak" RESOURCE_LOCK wine_desktop TIMEOUT 150)

# Bad input: garbage and huge settings, odd characters, long paths, every registry type, an
# unwritable settings file, a disk without its installer, double-click storms, clicks behind boxes.
add_executable(kinloom_e2e_badinput bad_input_test.cpp)
target_link_libraries(kinloom_e2e_badinput PRIVATE kinloom_e2e_fixture gtest_main)
add_dependencies(kinloom_e2e_badinput kinloom_stand_in kinloom)
add_test(NAME BadInput COMMAND kinloom_e2e_badinput)
set_tests_properties(BadInput PROPERTIES LABELS "e2e;badinput" RESOURCE_LOCK wine_desktop
  TIMEOUT 400)
