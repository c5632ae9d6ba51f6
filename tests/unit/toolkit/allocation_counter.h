// Counts the test binary's calls of the global operator new.
#pragma once

namespace kinloom::toolkit_test {

long AllocationCount();

}  // namespace kinloom::toolkit_test
