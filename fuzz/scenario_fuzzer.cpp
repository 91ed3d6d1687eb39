#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = hmdx::fuzz::CheckScenario(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "scenario: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
