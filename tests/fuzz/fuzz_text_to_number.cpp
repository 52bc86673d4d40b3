// Any bytes as a value's text. TextToNumber must accept exactly the texts of
// the grammar (number_grammar.cpp), giving the double strtod gives for them;
// refuse the others as a type mismatch (13); report an overflow (6) exactly
// where strtod overflows; keep the floating-point exception flags; and every
// value it returns must be written as a text that reads back.
#include <bit>
#include <cmath>
#include <limits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.hpp"
#include "calc/runtime_error.hpp"
#include "fuzz_checks.hpp"
#include "number_grammar.hpp"

namespace {

using namespace ringcoil;
using namespace ringcoil::fuzz;

std::string codeText(std::optional<ErrorCode> code) {
  return code ? "error " + std::to_string(static_cast<int>(*code)) : "a value";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const int flags = setFlagPattern(static_cast<unsigned>(size));
  std::optional<ErrorCode> error;
  double value = 0;
  try {
    value = TextToNumber(text);
  } catch (const RuntimeError& e) {
    error = e.code;
  }
  checkFlagsKept(flags, text);

  std::optional<ErrorCode> expected;
  double reference = 0;
  if (!isNumberText(text)) {
    expected = ErrorCode::TypeMismatch;
  } else {
    reference = std::strtod(toCNotation(text).c_str(), nullptr);
    if (std::isinf(reference)) {
      // Up to the text the largest double is written as, a value reads as
      // the largest double; beyond it, as an overflow. The wider long double
      // holds both sides of that bound; a text it cannot tell from the bound
      // itself (more than 19 digits) may go either way.
      const long double wide = std::fabs(std::strtold(toCNotation(text).c_str(), nullptr));
      const long double bound = 1.79769313486232e308L;
      if (wide == bound && text.size() > 24) return 0;
      if (wide <= bound) {
        reference = std::copysign(std::numeric_limits<double>::max(), reference);
      } else {
        expected = ErrorCode::Overflow;
      }
    }
  }
  if (error != expected)
    broken("TextToNumber decided otherwise", text,
           codeText(error) + " where " + codeText(expected) + " was due");
  if (error) return 0;
  if (std::bit_cast<std::uint64_t>(value) != std::bit_cast<std::uint64_t>(reference))
    broken("TextToNumber is not the nearest double", text, NumberToText(value));

  checkWrittenText(value, text);
  return 0;
}
