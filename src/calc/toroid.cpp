#include "calc/toroid.hpp"

#include <cfenv>
#include <cmath>
#include <string>

#include "calc/number_text.hpp"
#include "calc/runtime_error.hpp"

namespace ringcoil {

namespace {

// The inductance of a toroid with a rectangular cross-section is
// L = (mu0 * mu * N^2 * h / 2pi) * ln(D/d); with ln(D/d) ~ 2(D - d)/(D + d) and
// mu0 = 4pi * 1e-7 H/m it becomes 4e-7 * mu * N^2 * h * (D - d)/(D + d). Taking
// h in millimetres (1e-3 m) and L in microhenries (1e-6 H) turns 4e-7 into
// 4e-4 = 1/2500. The diameters enter only as a ratio, so their unit is free.
constexpr double kUnitFactor = 2500.0;

// The faults the calculations stop on. Underflow and inexact results are not
// faults: a tiny result stays the tiny or zero double the arithmetic gives.
constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Every intermediate result goes through a volatile variable: the store is an
// observable side effect that the compiler keeps ahead of the next flag test,
// so no multiplication or division is moved past the test that must see its
// flags, nor folded away.
using Step = volatile double;

// Whether any arithmetic since the last flag reset raised a fault. A non-zero
// number divided by zero is error 11; an overflow, 0/0 or another invalid
// operation is error 6. `latest` is the result just computed: where the
// flags are not kept (some CPU emulators and checkers drop them), an
// infinite or undefined result still stops the calculation as an overflow
// rather than being written as text. With working flags it changes nothing,
// since no such result arises without a flag.
void faultTest(double latest) {
  const int raised = std::fetestexcept(kFaultFlags);
  if (raised & FE_DIVBYZERO) throw RuntimeError{ErrorCode::DivisionByZero};
  if (raised != 0 || !std::isfinite(latest)) throw RuntimeError{ErrorCode::Overflow};
}

}  // namespace

std::string InductanceText(const RingTexts& ring, std::string_view turnsText) {
  std::feclearexcept(kFaultFlags);
  const double turns = TextToNumber(turnsText);
  Step numerator = turns * turns;
  // The square is the one step whose overflow is reported at once, before
  // the next value is read.
  if (std::fetestexcept(FE_OVERFLOW) || !std::isfinite(numerator)) {
    throw RuntimeError{ErrorCode::Overflow};
  }

  const double mu = TextToNumber(ring.mu);
  numerator = mu * numerator;
  faultTest(numerator);

  const double outer = TextToNumber(ring.outer);
  const double inner = TextToNumber(ring.inner);
  const Step difference = outer - inner;
  numerator = difference * numerator;
  faultTest(numerator);

  const double height = TextToNumber(ring.height);
  numerator = height * numerator;
  faultTest(numerator);

  const Step sum = outer + inner;
  const Step denominator = sum * kUnitFactor;  // its faults show in the next test

  const Step inductance = numerator / denominator;
  faultTest(inductance);
  return NumberToText(inductance);
}

std::string TurnsSquaredText(const RingTexts& ring, std::string_view inductanceText) {
  std::feclearexcept(kFaultFlags);
  const double inner = TextToNumber(ring.inner);
  const double outer = TextToNumber(ring.outer);
  const Step sum = outer + inner;
  faultTest(sum);

  const double inductance = TextToNumber(inductanceText);
  const Step scaled = inductance * kUnitFactor;
  const Step numerator = scaled * sum;
  faultTest(numerator);

  Step denominator = outer - inner;
  faultTest(denominator);

  const double mu = TextToNumber(ring.mu);
  denominator = mu * denominator;
  faultTest(denominator);

  const double height = TextToNumber(ring.height);
  denominator = height * denominator;  // its faults show in the next test

  const Step turnsSquared = numerator / denominator;
  faultTest(turnsSquared);
  return NumberToText(turnsSquared);
}

std::string TurnsText(std::string_view turnsSquared) {
  const double shownSquare = TextToNumber(turnsSquared);
  if (shownSquare < 0) throw RuntimeError{ErrorCode::InvalidCall};
  return NumberToText(std::sqrt(shownSquare));
}

}  // namespace ringcoil
