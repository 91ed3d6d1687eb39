#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = hmdx::fuzz::CheckSettingsFile(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "settings file: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
