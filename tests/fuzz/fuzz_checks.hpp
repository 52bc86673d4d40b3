// What both fuzz targets hold the number text rules to, and how they report
// a broken rule: to standard error, then abort, which libFuzzer keeps as a
// crash with the input that caused it.
#pragma once

#include <string_view>

namespace ringcoil::fuzz {

// Reports the broken rule with the input and the texts involved; ends the run.
[[noreturn]] void broken(std::string_view rule, std::string_view input,
                         std::string_view detail = {});

// A finite value's text: of the written form, the value rounded to 15
// significant digits as the C library's printf rounds it, and read back to a
// value whose text is the same. Near the largest double the 15-digit text
// lies beyond the double range and reads back as the largest double.
void checkWrittenText(double value, std::string_view input);

// Sets the floating-point exception flags to one of a few patterns, chosen by
// `pick`, and returns them: the conversions must leave them as they are.
int setFlagPattern(unsigned pick);
void checkFlagsKept(int expected, std::string_view input);

}  // namespace ringcoil::fuzz
