#pragma once

#include "Machine.h"

#include <string>
#include <vector>

namespace hmdx::test {

// What a sane main window never shows, as one line per fault (empty: all is well).
// Labels spelling out "nan" or "inf": a number the program could not make sense of.
std::vector<std::string> BrokenNumbers(QWidget& window);
// Up-downs holding a value outside their own Min..Max.
std::vector<std::string> UpDownsOutOfRange(QWidget& window);
// Limit registers that do not hold what the row's controls say, or hold a value off the
// row's scale. Items the chip lacks are skipped.
std::vector<std::string> LimitRegisterFaults(Machine& machine);

// All three of the above.
std::vector<std::string> WindowFaults(Machine& machine);

// Resident memory of this process in KiB (VmRSS).
long ResidentKiB();

// The memory a long run must not grow: resident memory; but in a build with AddressSanitizer,
// whose shadow memory and records of every allocating call path grow resident memory on their
// own, the heap the program holds allocated.
long MemoryInUseKiB();
extern const char* const kMemoryMeasure; // what MemoryInUseKiB measures, for reports

} // namespace hmdx::test
