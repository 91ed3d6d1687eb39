// SPDX-License-Identifier: GPL-3.0-or-later
// Leaks the sanitizer build should not report: caches third-party libraries keep for the
// life of the process. Linked into every test binary.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
