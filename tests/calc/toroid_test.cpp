#include "calc/toroid.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfenv>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calc/runtime_error.hpp"
#include "table_rows.hpp"

namespace ringcoil {
namespace {

using table::caseName;
using table::PrintTo;

using Texts = std::array<const char*, 6>;  // the table's values: mu, D, d, h, N, L

// What N squared reads before a calculation writes it.
constexpr const char* kUntouchedZoro = "zoro before";

RingTexts ringOf(const Texts& t) { return {t[0], t[1], t[2], t[3]}; }

// A calculation as the window runs it: its texts, and the error that
// stopped it, if one did. The turns calculation keeps N squared's text, which
// the window shows before the root is taken.
struct Outcome {
  std::string result;
  std::string squared = kUntouchedZoro;
  std::optional<ErrorCode> error;
};

Outcome inductance(const Texts& t) {
  Outcome o;
  try {
    o.result = InductanceText(ringOf(t), t[4]);
  } catch (const RuntimeError& e) {
    o.error = e.code;
  }
  return o;
}

Outcome turns(const Texts& t) {
  Outcome o;
  try {
    o.squared = TurnsSquaredText(ringOf(t), t[5]);
    o.result = TurnsText(o.squared);
  } catch (const RuntimeError& e) {
    o.error = e.code;
  }
  return o;
}

// --- Inductance from turns -------------------------------------------------

struct InductanceCase {
  const char* name;
  Texts texts;  // Окно6 is what the label held before
  const char* inductance;
};

class ToroidInductance : public testing::TestWithParam<InductanceCase> {};

TEST_P(ToroidInductance, Text) {
  const Outcome o = inductance(GetParam().texts);
  EXPECT_EQ(o.error, std::nullopt);
  EXPECT_EQ(o.result, GetParam().inductance);
}

INSTANTIATE_TEST_SUITE_P(
    Toroid, ToroidInductance,
    testing::Values(
        InductanceCase{"WorkedExample", {"2000", "20", "10", "5", "10", "6"}, "133,333333333333"},
        InductanceCase{
            "AnswerLabelNotRead", {"2000", "20", "10", "5", "10", "Ответ"}, "133,333333333333"},
        InductanceCase{
            "CommaFormsAndBlanks", {"2000,", " 20 ", "10", "5", ",5", ""}, "0,333333333333333"},
        InductanceCase{"ZeroPermeability", {"0", "20", "10", "5", "10", "6"}, "0"},
        InductanceCase{"ZeroHeight", {"2000", "20", "10", "0", "10", "6"}, "0"},
        InductanceCase{"ZeroTurns", {"2000", "20", "10", "5", "0", "6"}, "0"},
        InductanceCase{"EqualDiameters", {"2000", "10", "10", "5", "10", "6"}, "0"},
        InductanceCase{
            "InnerLargerIsNegative", {"2000", "10", "20", "5", "10", "6"}, "-133,333333333333"},
        InductanceCase{"InnerLargerZeroTurnsNoMinus", {"2000", "10", "20", "5", "0", "6"}, "0"},
        InductanceCase{"SmallResultExponentForm", {"1", "2", "1", "0,3", "1", "6"}, "4E-05"},
        InductanceCase{"LargeResultExponentForm",
                       {"10000", "2", "1", "10", "1E8", "6"},
                       "1,33333333333333E+17"},
        InductanceCase{"ExponentFormInputs",
                       {"2E+03", "2E+01", "1E+01", "5", "1E+01", "6"},
                       "133,333333333333"}),
    caseName<InductanceCase>);

// --- Turns from inductance -------------------------------------------------

struct TurnsCase {
  const char* name;
  Texts texts;  // Окно5 is what the label held before
  const char* squared;
  const char* turns;
};

class ToroidTurns : public testing::TestWithParam<TurnsCase> {};

TEST_P(ToroidTurns, SquareThenRoot) {
  const Outcome o = turns(GetParam().texts);
  EXPECT_EQ(o.error, std::nullopt);
  EXPECT_EQ(o.squared, GetParam().squared);
  EXPECT_EQ(o.result, GetParam().turns);
}

INSTANTIATE_TEST_SUITE_P(
    Toroid, ToroidTurns,
    testing::Values(
        TurnsCase{"WorkedExample", {"2000", "20", "10", "5", "5", "100"}, "75", "8,66025403784439"},
        TurnsCase{"FromComputedInductance",
                  {"2000", "20", "10", "5", "5", "133,333333333333"},
                  "99,9999999999998",
                  "9,99999999999999"},
        // The full quotient's root would end in ...989; the root of the
        // fifteen digits that Zoro shows ends in ...988.
        TurnsCase{"RootOfShownSquare",
                  {"2000", "20", "10", "5", "5", "0,142857142857143"},
                  "0,107142857142857",
                  "0,327326835353988"},
        TurnsCase{"AnswerLabelNotRead",
                  {"2000", "20", "10", "5", "Ответ", "100"},
                  "75",
                  "8,66025403784439"},
        TurnsCase{"ZeroInductance", {"2000", "20", "10", "5", "5", "0"}, "0", "0"},
        TurnsCase{"ZeroInductanceInnerLarger", {"2000", "10", "20", "5", "5", "0"}, "0", "0"},
        TurnsCase{"SquareInExponentFormReadBack",
                  {"2000", "20", "10", "5", "5", "1E+16"},
                  "7,5E+15",
                  "86602540,3784439"},
        TurnsCase{"TinySquareInExponentForm",
                  {"2000", "20", "10", "5", "5", "1E-20"},
                  "7,5E-21",
                  "8,66025403784439E-11"},
        // N squared fits a double, but its fifteen-digit text rounds past the
        // largest double; it reads back as the largest double.
        TurnsCase{"SquareWrittenPastTheLargestDouble",
                  {"0,000075", "2", "1", "1", "5", "1,797693134862315E+300"},
                  "1,79769313486232E+308",
                  "1,34078079299426E+154"}),
    caseName<TurnsCase>);

// --- Failures --------------------------------------------------------------

enum class Mode { Inductance, Turns };

struct FailureCase {
  const char* name;
  Mode mode;
  Texts texts;
  ErrorCode code;
  const char* zoroAfter = kUntouchedZoro;
};

class ToroidFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ToroidFailure, StopsWithTheFirstError) {
  const FailureCase& c = GetParam();
  const Outcome o = c.mode == Mode::Inductance ? inductance(c.texts) : turns(c.texts);
  EXPECT_EQ(o.error, c.code);
  EXPECT_EQ(o.squared, c.zoroAfter);
}

constexpr ErrorCode kMismatch = ErrorCode::TypeMismatch;
constexpr ErrorCode kOverflow = ErrorCode::Overflow;
constexpr ErrorCode kDivision = ErrorCode::DivisionByZero;
constexpr ErrorCode kInvalidCall = ErrorCode::InvalidCall;
constexpr Mode kL = Mode::Inductance;
constexpr Mode kN = Mode::Turns;

INSTANTIATE_TEST_SUITE_P(
    ToroidInductanceText, ToroidFailure,
    testing::Values(
        FailureCase{
            "PermeabilityPlaceholder", kL, {"Ответ", "20", "10", "5", "10", "6"}, kMismatch},
        FailureCase{"OuterOnlyComma", kL, {"2000", ",", "10", "5", "10", "6"}, kMismatch},
        FailureCase{"InnerTwoCommas", kL, {"2000", "20", "1,2,3", "5", "10", "6"}, kMismatch},
        FailureCase{"HeightEmpty", kL, {"2000", "20", "10", "", "10", "6"}, kMismatch},
        FailureCase{"TurnsWord", kL, {"2000", "20", "10", "5", "abc", "6"}, kMismatch},
        FailureCase{
            "PermeabilityBeyondRange", kL, {"1E400", "20", "10", "5", "10", "6"}, kOverflow},
        // Order of reading: N before mu, D before d.
        FailureCase{
            "TurnsReadBeforePermeability", kL, {"x", "20", "10", "5", "1E400", "6"}, kOverflow},
        FailureCase{"OuterReadBeforeInner", kL, {"2000", "x", "1E400", "5", "10", "6"}, kMismatch}),
    caseName<FailureCase>);

INSTANTIATE_TEST_SUITE_P(
    ToroidInductanceArithmetic, ToroidFailure,
    testing::Values(
        // The square overflows and is reported before mu's text is read.
        FailureCase{"SquareOverflowsBeforePermeabilityRead",
                    kL,
                    {"Ответ", "20", "10", "5", "1E200", "6"},
                    kOverflow},
        FailureCase{"PermeabilityTimesSquareBeforeOuterRead",
                    kL,
                    {"1E300", "Ответ", "10", "5", "1E5", "6"},
                    kOverflow},
        FailureCase{"DiameterDifferenceBeforeHeightRead",
                    kL,
                    {"1", "1,7E308", "-1,7E308", "Ответ", "1", "6"},
                    kOverflow},
        FailureCase{"DifferenceTimesProductBeforeHeightRead",
                    kL,
                    {"1E10", "1E300", "0", "Ответ", "1", "6"},
                    kOverflow},
        FailureCase{"HeightTimesProduct", kL, {"1", "2", "1", "1E300", "1E5", "6"}, kOverflow},
        // Q overflows while P is zero: the quotient is a harmless 0, but the
        // fault of step Q is still seen by the division's test.
        FailureCase{"DenominatorOverflowWithZeroQuotient",
                    kL,
                    {"2000", "1E305", "1E305", "5", "10", "6"},
                    kOverflow},
        FailureCase{
            "BothDiametersZeroIsZeroOverZero", kL, {"2000", "0", "0", "5", "10", "6"}, kOverflow},
        FailureCase{"DiameterSumZeroIsDivisionByZero",
                    kL,
                    {"2000", "10", "-10", "5", "10", "6"},
                    kDivision}),
    caseName<FailureCase>);

INSTANTIATE_TEST_SUITE_P(
    ToroidTurnsText, ToroidFailure,
    testing::Values(
        FailureCase{
            "PermeabilityPlaceholder", kN, {"Ответ", "20", "10", "5", "5", "100"}, kMismatch},
        FailureCase{"OuterOnlyComma", kN, {"2000", ",", "10", "5", "5", "100"}, kMismatch},
        FailureCase{"InnerTwoCommas", kN, {"2000", "20", "1,2,3", "5", "5", "100"}, kMismatch},
        FailureCase{"HeightEmpty", kN, {"2000", "20", "10", "", "5", "100"}, kMismatch},
        FailureCase{"InductanceBlanks", kN, {"2000", "20", "10", "5", "5", "   "}, kMismatch},
        FailureCase{
            "InductanceBeyondRange", kN, {"2000", "20", "10", "5", "5", "1E400"}, kOverflow},
        // Order of reading: d before D.
        FailureCase{"InnerReadBeforeOuter", kN, {"2000", "x", "1E400", "5", "5", "100"}, kOverflow},
        FailureCase{"OuterReadAfterInner", kN, {"2000", "1E400", "x", "5", "5", "100"}, kMismatch}),
    caseName<FailureCase>);

INSTANTIATE_TEST_SUITE_P(
    ToroidTurnsArithmetic, ToroidFailure,
    testing::Values(
        FailureCase{"DiameterSumBeforeInductanceRead",
                    kN,
                    {"2000", "1,7E308", "1,7E308", "5", "5", "Ответ"},
                    kOverflow},
        FailureCase{"InductanceTimesFactorBeforePermeabilityRead",
                    kN,
                    {"Ответ", "20", "10", "5", "5", "1E306"},
                    kOverflow},
        FailureCase{"NumeratorBeforePermeabilityRead",
                    kN,
                    {"Ответ", "1E10", "0", "5", "5", "1E300"},
                    kOverflow},
        FailureCase{"DiameterDifferenceBeforePermeabilityRead",
                    kN,
                    {"Ответ", "1,7E308", "-1,7E308", "5", "5", "100"},
                    kOverflow},
        FailureCase{"PermeabilityTimesDifferenceBeforeHeightRead",
                    kN,
                    {"1E300", "1E10", "0", "Ответ", "5", "100"},
                    kOverflow},
        // The denominator overflows, the quotient is 0; the division's test
        // still sees the fault.
        FailureCase{"HeightTimesDifferenceWithZeroQuotient",
                    kN,
                    {"1E10", "1E10", "0", "1E300", "5", "100"},
                    kOverflow},
        FailureCase{
            "EqualDiametersDivisionByZero", kN, {"2000", "10", "10", "5", "5", "100"}, kDivision},
        FailureCase{
            "ZeroPermeabilityDivisionByZero", kN, {"0", "20", "10", "5", "5", "100"}, kDivision},
        FailureCase{
            "ZeroHeightDivisionByZero", kN, {"2000", "20", "10", "0", "5", "100"}, kDivision},
        FailureCase{
            "EqualDiametersZeroInductance", kN, {"2000", "10", "10", "5", "5", "0"}, kOverflow},
        FailureCase{"BothDiametersZero", kN, {"2000", "0", "0", "5", "5", "100"}, kOverflow},
        // Zoro is written, the root of its negative text fails.
        FailureCase{"InnerLargerNegativeSquare",
                    kN,
                    {"2000", "10", "20", "5", "5", "100"},
                    kInvalidCall,
                    "-75"},
        // Beyond the largest double's text it stays an overflow.
        FailureCase{"InductanceTextBeyondRange",
                    kN,
                    {"2000", "20", "10", "5", "5", "1,7976931348623201E+308"},
                    kOverflow}),
    caseName<FailureCase>);

// --- Flags left over from earlier arithmetic are no fault -----------------

TEST(ToroidFlags, StaleFlagsDoNotFailEitherCalculation) {
  const Texts texts = {"2000", "20", "10", "5", "8,66025403784439", "100"};
  std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  EXPECT_EQ(turns(texts).result, "8,66025403784439");
  std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  EXPECT_EQ(inductance(texts).result, "100");
  std::feclearexcept(FE_ALL_EXCEPT);
}

// --- Error texts -----------------------------------------------------------

struct MessageCase {
  const char* name;
  ErrorCode code;
  const char* message;
};

class CalcErrorMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(CalcErrorMessage, NamesNumberAndError) {
  EXPECT_EQ(errorMessage(GetParam().code), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcErrorMessage,
    testing::Values(
        MessageCase{"InvalidCall", ErrorCode::InvalidCall,
                    "Ошибка 5: неверный вызов процедуры или аргумент"},
        MessageCase{"Overflow", ErrorCode::Overflow, "Ошибка 6: переполнение"},
        MessageCase{"DivisionByZero", ErrorCode::DivisionByZero, "Ошибка 11: деление на ноль"},
        MessageCase{"TypeMismatch", ErrorCode::TypeMismatch, "Ошибка 13: несоответствие типа"}),
    caseName<MessageCase>);

}  // namespace
}  // namespace ringcoil
