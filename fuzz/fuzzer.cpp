// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

// One fuzzer per check: HMDX_FUZZ_CHECK names the check, HMDX_FUZZ_INPUT what the bytes are.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = hmdx::fuzz::HMDX_FUZZ_CHECK(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s: %s\n", HMDX_FUZZ_INPUT, problem.c_str());
        std::abort();
    }
    return 0;
}
