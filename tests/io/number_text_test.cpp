// Reading typed numbers and writing them through digit-place patterns.
#include "io/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "library_fixed_text.h"

namespace tarnvik {
namespace {

struct ParseCase {
  const char* text;
  double expected;
  bool whole;  // read whole, blanks aside
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsLeadingNumericPart) {
  const ParseCase& c = GetParam();
  SCOPED_TRACE(std::string("text \"") + c.text + "\"");
  EXPECT_EQ(ParseNumber(c.text), c.expected);
  EXPECT_EQ(ReadsWhole(c.text), c.whole);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    ::testing::Values(ParseCase{" 35.5", 35.5, true}, ParseCase{"12abc", 12, false}, ParseCase{"1,5", 1, false},
                      ParseCase{"abc", 0, false}, ParseCase{"", 0, false}, ParseCase{"1 2", 12, true},
                      ParseCase{"\t-1 .\t5", -1.5, true}, ParseCase{"1e", 1, false}, ParseCase{"1e+", 1, false},
                      ParseCase{"2.5e1x", 25, false}, ParseCase{"+7", 7, true}, ParseCase{"1.2.3", 1.2, false},
                      ParseCase{"-", 0, false}, ParseCase{".", 0, false}, ParseCase{"+-1", 0, false},
                      ParseCase{"--1", 0, false}, ParseCase{"e5", 0, false}, ParseCase{"0x1A", 0, false},
                      ParseCase{"1e400", std::numeric_limits<double>::infinity(), true},
                      ParseCase{"-1e400", -std::numeric_limits<double>::infinity(), true},
                      ParseCase{"123456789012345678901234567890", 1.2345678901234568e29, true},
                      ParseCase{"1e-400", 0, true}, ParseCase{"0.0000e999999999999999999", 0, true},
                      ParseCase{"inf", 0, false}, ParseCase{"nan", 0, false}));

TEST(ParseNumberTest, HugeIntegerTextOverflowsToInfinity) {
  EXPECT_EQ(ParseNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber(std::string(1, '-').append(400, '9')), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber(std::string("0.").append(400, '0').append(1, '1')), 0.0);
  // A long text with blanks and letters: the leading part still reads.
  EXPECT_EQ(ParseNumber(std::string(300, ' ') + "42" + std::string(300, 'x')), 42);
}

struct PatternCase {
  double value;
  const char* pattern;
  const char* shown;
};

void PrintTo(const PatternCase& c, std::ostream* os) { *os << c.value << " with " << c.pattern; }

class FormatPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, WritesLikeTheWindow) {
  const PatternCase& c = GetParam();
  SCOPED_TRACE(::testing::Message() << c.value << " with " << c.pattern);
  EXPECT_EQ(FormatPattern(c.value, c.pattern), c.shown);
}

INSTANTIATE_TEST_SUITE_P(DocumentedExamples, FormatPatternTest,
                         ::testing::Values(PatternCase{0.8, "#.###", ".8"}, PatternCase{12.347, "##.##", "12.35"},
                                           PatternCase{123.456, "####.##", "123.46"},
                                           PatternCase{12.3, "##.##", "12.3"}, PatternCase{250.4, "#####.", "250."},
                                           PatternCase{123.4, "##.#", "123.4"}, PatternCase{0, "#.###", "."},
                                           PatternCase{0, "#####.", "."}, PatternCase{0, "##.#", "."}));

INSTANTIATE_TEST_SUITE_P(SignsCarriesAndLargeValues, FormatPatternTest,
                         ::testing::Values(PatternCase{9.9996, "#.###", "10."},
                                           PatternCase{99999.6, "#####.", "100000."},
                                           PatternCase{-0.00001, "#.###", "."}, PatternCase{-0.0, "#.###", "."},
                                           PatternCase{-0.06, "###.#", "-.1"}, PatternCase{0.6, "#####.", "1."},
                                           PatternCase{1e20, "##.#", "100000000000000000000."},
                                           PatternCase{2.675, "##.##", "2.67"},  // 2.675 is 2.67499... in binary
                                           PatternCase{2.5, "#####.", "2."},     // an exact tie goes to even
                                           PatternCase{100, "####.##", "100."}));

TEST(FormatShortestTest, ReadsBackToTheSameDouble) {
  for (const double value : {0.1, 1e-20, 1.0 / 3.0, 1e300, 5e-324, -std::numeric_limits<double>::infinity()}) {
    const std::string text = FormatShortest(value);
    SCOPED_TRACE(text);
    EXPECT_TRUE(!std::isfinite(value) || text.find_first_of("eE") == std::string::npos) << "plain decimal notation";
    std::optional<double> back;
    ASSERT_TRUE(ParseNumberField(text, back));
    EXPECT_EQ(*back, value);
  }
  EXPECT_EQ(FormatShortest(2500), "2500");
  EXPECT_EQ(FormatShortest(-0.75), "-0.75");
  EXPECT_EQ(FormatShortest(std::nan("")), "");
}

// What a pattern shows, written plainly for a report: the same digits, a leading zero, no
// bare point; texts that are no pattern's output are left alone.
TEST(PlainDigitsTest, WritesPatternTextPlainly) {
  const std::pair<const char*, const char*> cases[] = {
      {".861", "0.861"},  {"2203.", "2203"}, {".", "0"},
      {"-.5", "-0.5"},    {"-.", "0"},       {"12.35", "12.35"},
      {"", ""},           {"-", "-"},        {"out of range", "out of range"},
      {"1.2.3", "1.2.3"},
  };
  for (const auto& [shown, plain] : cases) EXPECT_EQ(PlainDigits(shown), plain) << shown;
}

// Numbers for programs: the shortest round trip, an exponent where shorter, nothing for a
// value that is not a number.
TEST(FormatRoundTripTest, WritesNumbersSpreadsheetsRead) {
  EXPECT_EQ(FormatRoundTrip(0.5), "0.5");
  EXPECT_EQ(FormatRoundTrip(0), "0");
  EXPECT_EQ(FormatRoundTrip(2203.284178810125), "2203.284178810125");
  EXPECT_EQ(FormatRoundTrip(1.1102230246251565e-14), "1.1102230246251565e-14");
  EXPECT_EQ(FormatRoundTrip(-2), "-2");
  EXPECT_EQ(FormatRoundTrip(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(FormatRoundTrip(std::nan("")), "");
}

TEST(ParseNumberFieldTest, AcceptsOnlyOneWholeNumber) {
  std::optional<double> value = 7.0;
  EXPECT_TRUE(ParseNumberField("", value));
  EXPECT_FALSE(value.has_value());
  EXPECT_TRUE(ParseNumberField("  ", value));
  EXPECT_FALSE(value.has_value());
  for (const char* good : {"35", " 35 ", "-1.5e3", ".5", "5.", "+2", "1E+2"}) {
    SCOPED_TRACE(good);
    EXPECT_TRUE(ParseNumberField(good, value));
    EXPECT_TRUE(value.has_value());
  }
  value = 7.0;
  for (const char* bad : {"abc", "12abc", "1,5", "1 2", "1e", "--1", ".", "-", "0x10", "inf", "nan"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseNumberField(bad, value));
    EXPECT_EQ(value, 7.0);
  }
}

// The digit patterns against the library's exact conversion, for values of every
// magnitude, sign and decimal count, exact ties among them (k / 2^n): the same rounding
// and the same digits.
TEST(FormatPatternTest, AgreesWithTheLibrarysExactConversion) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> exponent(-12, 14);
  std::uniform_int_distribution<int> ties(0, 1 << 20);
  for (int i = 0; i < 200000; ++i) {
    const double value =
        (i % 2 ? -1 : 1) * (i % 5 == 0 ? std::ldexp(ties(random), -(i % 13)) : std::pow(10, exponent(random)));
    const int decimals = i % 7;
    ASSERT_EQ(FormatDecimals(value, decimals), testing::LibraryFixedText(value, decimals))
        << value << " with " << decimals;
  }
}

// Typed numbers against the library's exact reading of the same text.
TEST(ParseNumberTest, AgreesWithTheLibrarysExactReading) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<std::uint64_t> digits(0, 999999999999999999ULL);
  std::uniform_int_distribution<int> point(0, 19), exponent(-30, 30), length(1, 19);
  for (int i = 0; i < 200000; ++i) {
    const std::string all = std::to_string(digits(random)).substr(0, std::size_t(length(random)));
    const std::size_t at = std::min(all.size(), std::size_t(point(random)));
    std::string text;
    text.reserve(all.size() + 8);
    text.append(all, 0, at).append(1, '.').append(all, at, std::string::npos);
    if (i % 3 == 0) text.append(1, 'e').append(std::to_string(exponent(random)));
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(ParseNumber(text), expected) << text;
    ASSERT_EQ(ParseNumber(std::string(1, '-').append(text)), -expected) << text;
  }
}

}  // namespace
}  // namespace tarnvik
