#include "calc/number_text.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "calc/runtime_error.hpp"
#include "table_rows.hpp"

namespace ringcoil {
namespace {

using table::caseName;
using table::PrintTo;

using Limits = std::numeric_limits<double>;

// "0x1.8p+1": shows every bit, so a near miss is visible in a failure.
std::string hex(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%a", value);
  return buffer;
}

// Same double, negative zero told apart from zero.
testing::AssertionResult sameDouble(double expected, double actual) {
  if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "expected " << hex(expected) << ", got " << hex(actual);
}

// The error TextToNumber throws, or nullopt when it returns.
std::optional<ErrorCode> errorOf(std::string_view text) {
  try {
    TextToNumber(text);
  } catch (const RuntimeError& e) {
    return e.code;
  }
  return std::nullopt;
}

// A reference that shares no code with ours: C's printf and strtod, both
// correctly rounded in glibc, with the C locale's decimal point.
std::string referenceDigits(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  return buffer;
}

class NumberTextAgainstC : public testing::Test {
 protected:
  void SetUp() override { ASSERT_STREQ(std::localeconv()->decimal_point, "."); }
};

// --- Texts that read as numbers -------------------------------------------

struct Reading {
  const char* name;
  std::string text;
  double value;
};

class TextToNumberReads : public testing::TestWithParam<Reading> {};

TEST_P(TextToNumberReads, NearestDouble) {
  EXPECT_TRUE(sameDouble(GetParam().value, TextToNumber(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(
    NumberTextMantissa, TextToNumberReads,
    testing::Values(Reading{"Integer", "75", 75}, Reading{"LeadingZerosIgnored", "007", 7},
                    Reading{"CommaFirst", ",5", 0.5}, Reading{"CommaLast", "5,", 5},
                    Reading{"DecimalComma", "0,5", 0.5}, Reading{"PlusSign", "+5", 5},
                    Reading{"MinusWithBlanksAround", " -12,5 ", -12.5},
                    Reading{"ManyBlanksAround", "   42   ", 42},
                    Reading{"ZerosAfterComma", ",0001", 0.0001},
                    Reading{"NotExactInBinary", "0,1", 0.1},
                    Reading{"FifteenDigits", "133,333333333333", 133.333333333333},
                    Reading{"SeventeenDigitFraction", "99,99999999999976", 99.99999999999976},
                    Reading{"Zero", "0", 0.0}, Reading{"ZeroWithComma", "0,000", 0.0},
                    Reading{"NegativeZero", "-0", -0.0},
                    Reading{"NegativeZeroFraction", "-,0", -0.0}),
    caseName<Reading>);

INSTANTIATE_TEST_SUITE_P(
    NumberTextExponent, TextToNumberReads,
    testing::Values(
        Reading{"UpperE", "1E5", 1e5}, Reading{"LowerE", "2,5e-7", 2.5e-7},
        Reading{"ExplicitPlus", "1E+15", 1e15}, Reading{"TwoDigitNegative", "1E-05", 1e-5},
        Reading{"WrittenMantissa", "1,23456789012346E+15", 1.23456789012346e15},
        Reading{"NegativeWrittenMantissa", "-1,23456789012346E+15", -1.23456789012346e15},
        Reading{"BelowTenToTheFifteen", "9,99999999999999E+14", 999999999999999},
        Reading{"ThreeDigitExponent", "1E+100", 1e100},
        Reading{"ExponentLeadingZeros", "1E+0005", 1e5},
        Reading{"FractionTimesExponent", "12,5E-1", 1.25},
        Reading{"SmallMantissaLargeExponent", "0,000001E+6", 1},
        Reading{"ZeroMantissaHugeExponent", "0E999999999999", 0.0},
        Reading{"NegativeZeroMantissaHugeExponent", "-0,0E+99999999999999999999", -0.0}),
    caseName<Reading>);

INSTANTIATE_TEST_SUITE_P(
    NumberTextRange, TextToNumberReads,
    testing::Values(
        Reading{"LargestDouble", "1,7976931348623157E+308", Limits::max()},
        Reading{"BelowOverflowThreshold", "1,7976931348623158E+308", Limits::max()},
        // The largest double's own text lies above it and still reads back.
        Reading{"AtOverflowThreshold", "1,7976931348623159E+308", Limits::max()},
        Reading{"LargestWrittenText", "1,79769313486232E+308", Limits::max()},
        Reading{"NegativeLargestWrittenText", "-1,79769313486232E+308", -Limits::max()},
        Reading{"SmallestNormal", "2,2250738585072014E-308", Limits::min()},
        Reading{"Subnormal", "1E-310", 1e-310},
        Reading{"SmallestSubnormal", "4,9406564584124654E-324", Limits::denorm_min()},
        Reading{"JustAboveHalfSmallestSubnormal", "2,4703282292062328E-324", Limits::denorm_min()},
        Reading{"JustBelowHalfSmallestSubnormal", "2,4703282292062327E-324", 0.0},
        Reading{"UnderflowToZero", "1E-400", 0.0},
        Reading{"UnderflowToNegativeZero", "-1E-400", -0.0},
        Reading{"HugeNegativeExponent", "1E-99999999999999999999", 0.0},
        // 2^53 + 1 lies halfway between two doubles: ties go to the even one.
        Reading{"HalfwayRoundsToEvenDown", "9007199254740993", 0x1p53},
        Reading{"HalfwayRoundsToEvenUp", "9007199254740995", 0x1p53 + 4},
        Reading{"AboveHalfwayByFarDigit", "9007199254740993,00000000000000000000001", 0x1p53 + 2}),
    caseName<Reading>);

// --- Very long texts, built by repeating one character --------------------

struct LongText {
  const char* name;
  std::string prefix;
  char fill;
  std::size_t count;
  std::string suffix;
  std::optional<double> value;  // nullopt: overflow
};

class TextToNumberLong : public testing::TestWithParam<LongText> {};

TEST_P(TextToNumberLong, ReadsInLinearTime) {
  const LongText& c = GetParam();
  const std::string text = c.prefix + std::string(c.count, c.fill) + c.suffix;
  if (c.value) {
    EXPECT_TRUE(sameDouble(*c.value, TextToNumber(text)));
  } else {
    EXPECT_EQ(errorOf(text), ErrorCode::Overflow);
  }
}

constexpr std::size_t kMillion = 1'000'000;

INSTANTIATE_TEST_SUITE_P(
    NumberTextLong, TextToNumberLong,
    testing::Values(
        LongText{"MillionZerosScaledBack", "1", '0', kMillion, "E-1000000", 1.0},
        LongText{"MillionZerosAfterComma", "0,", '0', kMillion - 1, "1E+1000000", 1.0},
        LongText{"MillionDigitInteger", "1", '0', kMillion, "", std::nullopt},
        LongText{"MillionLeadingZeros", "", '0', kMillion, "7", 7.0},
        LongText{"MillionDigitExponent", "1E", '0', kMillion, "5", 1e5},
        LongText{"MillionNinesBelowOne", "0,", '9', kMillion, "", 1.0},
        // 2^53 + 1 is halfway between 2^53 and 2^53 + 2. Followed by a million
        // zeros it stays a tie and goes to the even double...
        LongText{"TieAfterMillionZeros", "9007199254740993,", '0', kMillion, "", 0x1p53},
        // ...while a single 1 after the zeros tips it up.
        LongText{"NonZeroAfterMillionZeros", "9007199254740993,", '0', kMillion, "1", 0x1p53 + 2}),
    caseName<LongText>);

// --- Texts that are refused ------------------------------------------------

struct Refusal {
  const char* name;
  std::string text;
  ErrorCode code;
};

class TextToNumberRefuses : public testing::TestWithParam<Refusal> {};

TEST_P(TextToNumberRefuses, WithError) {
  EXPECT_EQ(errorOf(GetParam().text), GetParam().code);
}

constexpr ErrorCode kMismatch = ErrorCode::TypeMismatch;
constexpr ErrorCode kOverflow = ErrorCode::Overflow;

INSTANTIATE_TEST_SUITE_P(
    NumberTextNotANumber, TextToNumberRefuses,
    testing::Values(
        Refusal{"Empty", "", kMismatch}, Refusal{"BlanksOnly", "   ", kMismatch},
        Refusal{"CommaOnly", ",", kMismatch}, Refusal{"MinusOnly", "-", kMismatch},
        Refusal{"PlusOnly", "+", kMismatch}, Refusal{"SignAndComma", "-,", kMismatch},
        Refusal{"TwoCommas", "1,2,3", kMismatch}, Refusal{"ExponentWithoutDigits", "1E", kMismatch},
        Refusal{"ExponentSignWithoutDigits", "1E+", kMismatch},
        Refusal{"ExponentWithoutMantissa", "E5", kMismatch},
        Refusal{"CommaAndExponentOnly", ",E5", kMismatch},
        Refusal{"LetterDNotAnExponent", "1D5", kMismatch},
        Refusal{"AnswerPlaceholder", "Ответ", kMismatch}, Refusal{"DecimalPoint", "1.5", kMismatch},
        Refusal{"GroupedDigits", "1 000", kMismatch}, Refusal{"BlankAfterSign", "- 5", kMismatch},
        Refusal{"TwoSigns", "+-5", kMismatch}, Refusal{"SignAfterDigits", "5-", kMismatch},
        Refusal{"Tab", "\t5", kMismatch}, Refusal{"HexPrefix", "0x10", kMismatch},
        Refusal{"CommaInExponent", "1E1,5", kMismatch}, Refusal{"TwoExponents", "1E5E5", kMismatch},
        Refusal{"InfinityText", "1,#INF", kMismatch}, Refusal{"NaNText", "-1,#IND", kMismatch}),
    caseName<Refusal>);

INSTANTIATE_TEST_SUITE_P(
    NumberTextOutOfRange, TextToNumberRefuses,
    testing::Values(Refusal{"TenToThe309", "1E309", kOverflow},
                    Refusal{"NegativeTenToThe309", "-1E309", kOverflow},
                    Refusal{"AboveLargestWrittenText", "1,797693134862321E+308", kOverflow},
                    Refusal{"NegativeAboveLargestWrittenText", "-1,7976931348623201E+308", kOverflow},
                    Refusal{"LongIntegerDigits", "1" + std::string(400, '0'), kOverflow},
                    Refusal{"HugeExponent", "1E99999999999999999999", kOverflow},
                    Refusal{"HugeExponentSmallMantissa", "0,0001E999999999999", kOverflow}),
    caseName<Refusal>);

// --- Numbers to text -------------------------------------------------------

struct Writing {
  const char* name;
  double value;
  const char* text;
};

class NumberToTextWrites : public testing::TestWithParam<Writing> {};

TEST_P(NumberToTextWrites, Text) {
  EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberTextPositional, NumberToTextWrites,
    testing::Values(Writing{"Integer", 75, "75"}, Writing{"Half", 0.5, "0,5"},
                    Writing{"Negative", -12.5, "-12,5"},
                    Writing{"RoundedToFifteenDigits", 400.0 / 3, "133,333333333333"},
                    Writing{"RoundedUpLastDigit", 2.0 / 3, "0,666666666666667"},
                    Writing{"ShortestNotBinaryExpansion", 0.1, "0,1"},
                    Writing{"SquareRootOf75", 8.660254037844386, "8,66025403784439"},
                    Writing{"SeventeenDigitValue", 99.99999999999976, "99,9999999999998"},
                    Writing{"Zero", 0.0, "0"}, Writing{"NegativeZero", -0.0, "0"},
                    Writing{"FractionalFifteenDigits", 12345678901234.5, "12345678901234,5"},
                    Writing{"NoDigitGrouping", 1234567.0, "1234567"}),
    caseName<Writing>);

INSTANTIATE_TEST_SUITE_P(
    NumberTextExponentBoundary, NumberToTextWrites,
    testing::Values(
        Writing{"TenToTheFourteenPositional", 1e14, "100000000000000"},
        Writing{"FifteenNinesPositional", 999999999999999.0, "999999999999999"},
        Writing{"BelowHalfStaysPositional", 999999999999999.25, "999999999999999"},
        Writing{"HalfCarriesIntoExponentForm", 999999999999999.5, "1E+15"},
        Writing{"TenToTheFifteen", 1e15, "1E+15"},
        Writing{"SixteenDigitsRounded", 1234567890123456.0, "1,23456789012346E+15"},
        Writing{"TenToTheMinusFourPositional", 0.0001, "0,0001"},
        Writing{"BelowTenToTheMinusFourRoundsUp", std::nextafter(0.0001, 0.0), "0,0001"},
        Writing{"SmallFractionAllDigits", 0.000123456789012345678, "0,000123456789012346"},
        Writing{"TenToTheMinusFive", 1e-5, "1E-05"}, Writing{"NegativeSmall", -1e-5, "-1E-05"},
        Writing{"FortyMillionths", 4e-5, "4E-05"}, Writing{"SmallWithFraction", 2.5e-7, "2,5E-07"},
        Writing{"MagnitudeNineKeepsItsZero", 1e-9, "1E-09"},
        Writing{"MagnitudeTwentyNoLeadingZero", 1e20, "1E+20"},
        Writing{"ThreeDigitExponent", 1e100, "1E+100"},
        Writing{"ThreeDigitNegativeExponent", 1e-100, "1E-100"},
        Writing{"LargestDouble", Limits::max(), "1,79769313486232E+308"},
        Writing{"SmallestSubnormal", Limits::denorm_min(), "4,94065645841247E-324"}),
    caseName<Writing>);

// Never produced by a calculation; must still give a text that does not read
// back as a number.
INSTANTIATE_TEST_SUITE_P(NumberTextNotFinite, NumberToTextWrites,
                         testing::Values(Writing{"PlusInfinity", Limits::infinity(), "1,#INF"},
                                         Writing{"MinusInfinity", -Limits::infinity(), "-1,#INF"},
                                         Writing{"QuietNaN", Limits::quiet_NaN(), "-1,#IND"}),
                         caseName<Writing>);

// The short exponent form a value is shown in where its text does not fit.
struct ShortWriting {
  const char* name;
  double value;
  int digits;
  const char* text;
};

class NumberToExponentTextWrites : public testing::TestWithParam<ShortWriting> {};

TEST_P(NumberToExponentTextWrites, Text) {
  EXPECT_EQ(NumberToExponentText(GetParam().value, GetParam().digits), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberTextShort, NumberToExponentTextWrites,
    testing::Values(ShortWriting{"SixteenDigitsToThree", 1234567890123456.0, 3, "1,23E+15"},
                    ShortWriting{"WholePartOfEightDigits", 40000000.0 / 3, 4, "1,333E+07"},
                    ShortWriting{"RoundingCarriesIntoTheExponent", 99999999.0, 3, "1E+08"},
                    ShortWriting{"TrailingZerosDropped", 1.5e20, 6, "1,5E+20"},
                    ShortWriting{"NegativeSmall", -8.66025403784439e-7, 2, "-8,7E-07"},
                    ShortWriting{"MagnitudeNine", 1.26e9, 2, "1,3E+09"},
                    ShortWriting{"LargestDoubleRoundsAboveItself", Limits::max(), 2, "1,8E+308"},
                    ShortWriting{"DigitsKeptWithinOneToFifteen", 1.0 / 3, 40, "3,33333333333333E-01"},
                    ShortWriting{"NoDigitsStillOne", 7.5, 0, "8E+00"},
                    ShortWriting{"Zero", -0.0, 3, "0"}),
    caseName<ShortWriting>);

// --- Whatever NumberToText writes reads back as what it shows --------------

std::vector<double> roundTripValues() {
  std::vector<double> values = {1e-4,           1e15, 999999999999999.5, 5e-324,  Limits::max(),
                                -Limits::max(), 0.1,  1.0 / 3,           2.0 / 3, 1e-5,
                                123.456};
  for (int e = -320; e <= 308; ++e) {
    const double p = std::pow(10.0, e);
    values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, Limits::max())});
  }
  std::mt19937_64 generator(20240611);  // fixed: the same values on every run
  while (values.size() < 6000) {
    const double any = std::bit_cast<double>(generator());  // every binary exponent
    if (std::isfinite(any)) values.push_back(any);
    // Most values a coil calculation produces lie around the positional range.
    const double exponent = std::uniform_real_distribution<double>(-7, 18)(generator);
    values.push_back(std::pow(10.0, exponent) * (generator() % 2 ? 1 : -1));
  }
  return values;
}

TEST_F(NumberTextAgainstC, RoundTripShowsFifteenDigitValue) {
  for (const double x : roundTripValues()) {
    SCOPED_TRACE(hex(x));
    const std::string text = NumberToText(x);
    SCOPED_TRACE(text);
    ASSERT_EQ(text.find_first_not_of("0123456789,E+-"), std::string::npos);
    const double shown = std::strtod(referenceDigits(x).c_str(), nullptr);
    if (std::isinf(shown)) {
      // The largest doubles round up past the largest double; their text
      // reads back as the largest double, which is written the same.
      ASSERT_EQ(TextToNumber(text), std::copysign(Limits::max(), x));
      ASSERT_EQ(NumberToText(TextToNumber(text)), text);
      continue;
    }
    const double back = TextToNumber(text);
    ASSERT_EQ(back, shown);
    const bool exponentForm = shown != 0 && (std::fabs(shown) >= 1e15 || std::fabs(shown) < 1e-4);
    ASSERT_EQ(text.find('E') != std::string::npos, exponentForm);
    // Fifteen digits survive a trip through a double, so the text is stable.
    ASSERT_EQ(NumberToText(back), text);
  }
}

// --- Random texts against the C library's correctly rounded strtod --------

TEST_F(NumberTextAgainstC, RandomTextsMatchStrtod) {
  std::mt19937_64 generator(77);  // fixed: the same texts on every run
  auto below = [&generator](int n) { return static_cast<int>(generator() % n); };
  for (int i = 0; i < 5000; ++i) {
    std::string digits;
    const int length = 1 + below(40);
    for (int k = 0; k < length; ++k) digits.push_back(static_cast<char>('0' + below(10)));
    const int comma = below(length + 1);
    const int exponent = below(700) - 360;
    const std::string sign = below(2) ? "-" : "";
    const std::string ours = sign + digits.substr(0, comma) + "," + digits.substr(comma) + "E" +
                             std::to_string(exponent);
    const std::string c = sign + digits.substr(0, comma) + "." + digits.substr(comma) + "e" +
                          std::to_string(exponent);
    SCOPED_TRACE(ours);
    const double reference = std::strtod(c.c_str(), nullptr);
    if (std::isinf(reference)) {
      ASSERT_EQ(errorOf(ours), ErrorCode::Overflow);
    } else {
      ASSERT_TRUE(sameDouble(reference, TextToNumber(ours)));
    }
  }
}

// --- The floating-point exception flags survive a conversion ---------------

struct FlagCase {
  const char* name;
  int raisedBefore;
};

class NumberTextKeepsFlags : public testing::TestWithParam<FlagCase> {};

TEST_P(NumberTextKeepsFlags, AcrossEveryKindOfText) {
  // Each text makes a parser raise something: inexact, underflow, overflow,
  // or an early exit through an error.
  const char* const texts[] = {"0,1",
                               "1E-320",
                               "1E-400",
                               "2,4703282292062328E-324",
                               "1E400",
                               "Ответ",
                               "1,7976931348623159E+308",
                               "123456789012345678901234567890",
                               "75"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (GetParam().raisedBefore != 0) std::feraiseexcept(GetParam().raisedBefore);
    const int before = std::fetestexcept(FE_ALL_EXCEPT);
    try {
      TextToNumber(text);
    } catch (const RuntimeError&) {
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), before);
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

INSTANTIATE_TEST_SUITE_P(
    NumberTextFlags, NumberTextKeepsFlags,
    testing::Values(FlagCase{"NoneRaised", 0}, FlagCase{"AllRaised", FE_ALL_EXCEPT},
                    FlagCase{"FaultFlagsRaised", FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW},
                    FlagCase{"InexactAndUnderflowRaised", FE_INEXACT | FE_UNDERFLOW}),
    caseName<FlagCase>);

}  // namespace
}  // namespace ringcoil
