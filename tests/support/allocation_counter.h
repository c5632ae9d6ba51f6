// Counts the allocations this test program makes, for the per-event cost checks.
#pragma once

namespace kinloom {

// How many times operator new has run in this process.
long AllocationCount();

}  // namespace kinloom
