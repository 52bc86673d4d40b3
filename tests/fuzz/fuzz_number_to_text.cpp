// Any eight bytes as a double. Every finite value must be written in the
// written form, rounded to 15 digits as printf rounds, and read back through
// TextToNumber to a value written as the same text (fuzz_checks.cpp).
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
  const double value = std::bit_cast<double>(bits);
  if (!std::isfinite(value)) return 0;
  char shown[64];  // the value in the report: every bit, and 17 digits
  std::snprintf(shown, sizeof shown, "%a = %.17g", value, value);
  ringcoil::fuzz::checkWrittenText(value, shown);
  return 0;
}
