// Saves two settings records into one data file by turns, as fast as it can, until it is
// killed: reliability_save_loop TARGET FIRST SECOND. Prints "saving" once it has begun.
#include "settings/SettingsFile.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    hmdx::SettingsItemBytes all;
    all.fill(1);
    hmdx::SettingsModel models[2];
    hmdx::SettingsFile(argv[2]).load(models[0], all, all);
    hmdx::SettingsFile(argv[3]).load(models[1], all, all);
    hmdx::SettingsFile target(argv[1]);
    hmdx::SettingsModel current;
    target.load(current, all, all);
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (unsigned n = 1;; ++n)
        if (target.save(models[n % 2]))
            return 1;
}
