# The soak and the bad-input suite: the real kinloom.exe under Wine, beside the end-to-end cases.

# Object, handle and memory figures of another process, shared with the start-up benchmark.
add_library(kinloom_e2e_counters STATIC process_counters.cpp)
target_link_libraries(kinloom_e2e_counters PUBLIC user32 psapi)
