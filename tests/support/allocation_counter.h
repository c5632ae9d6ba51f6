// Counts the allocations this test program makes, for the per-event cost checks.
#pragma once

namespace kinloom {

// How many allocations this process has made so far: every malloc and operator new under
// AddressSanitizer, every operator new without it.
long AllocationCount();

}  // namespace kinloom
