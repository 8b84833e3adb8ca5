#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "evaluator.h"
#include "number_text.h"
#include "test_support.h"

namespace {

// Values that stress rounding: thirds and sevenths, decimal fractions,
// integers around powers of ten, noise in the 16th digit, and random bits.
std::vector<double> Samples() {
    std::vector<double> values = {
        0.0, -0.0, 1.0, -1.0, 0.1, 0.2, 0.3, 1e23, 1e22, 9.999999999999999e22, 5e-324, 2.2250738585072014e-308,
        1.7976931348623157e308, 123456789012345.0, 1234567890123456.0, 0.1 + 0.2, 1.0 / 3, 2.0 / 3, 1e15, 1e14,
        999999999999999.0, 0.0001, 0.00001, 1.00000000000001, 1.0000000000000102, 0.9999999999999999, 1000000000.0,
        1000000001.0, 4.35, 2.675, 1.2345678e-5,
        // Exact ties at various digit counts.
        0.5, 1.5, 2.5, 0.125, 0.375, 1e15 + 0.5, 123456789012345.5, 9.5, 99.5, 1e-30, 9.99e36, 1e37, 1e-31};
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> small(1, 999999);
    std::uniform_int_distribution<uint64_t> wide(1, 99999999999999999ULL);
    std::uniform_int_distribution<int> shift(0, 25);
    for (int i = 0; i < 4000; ++i) {
        values.push_back(static_cast<double>(wide(random)) / std::pow(10.0, shift(random)));
        const double scale = std::pow(10.0, exponent(random));
        values.push_back(small(random) / 7.0 * scale);
        values.push_back(small(random) * scale);
        values.push_back(small(random) / 1000.0);
        uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any)) values.push_back(any);
    }
    return values;
}

TEST(WriteGeneral, MatchesPrintf) {
    for (double value : Samples()) {
        for (int precision : {1, 2, 6, 9, 14, 15, 16, 17}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*g", precision, value);
            char actual[kShortNumberSize];
            WriteGeneral(value, precision, actual, sizeof actual - 1);
            ASSERT_EQ(CanonicalExponent(actual), CanonicalExponent(expected))
                << "%." << precision << "g of " << expected;
        }
    }
}

TEST(ParseDigits, LayoutMatchesPrintfOfTheValue) {
    // The shown answer in automatic mode is laid out from the result text's
    // own digits; it must equal "%.15g" of the value atof reads from it.
    for (double value : Samples()) {
        for (int precision : {1, 9, 15}) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*g", precision, value);
            std::string result = text;
            const size_t plus = result.find('+');
            if (plus != std::string::npos) result.erase(plus, 1);  // as the evaluator leaves it
            DecimalDigits digits;
            if (!ParseDigits(result.c_str(), digits)) continue;
            char shown[kShortNumberSize];
            LayoutGeneral(digits, 15, shown, sizeof shown - 1);
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.15g", std::strtod(result.c_str(), nullptr));
            ASSERT_EQ(CanonicalExponent(shown), CanonicalExponent(expected)) << result;
            double read = 0;
            if (DigitsValue(digits, read)) {
                ASSERT_EQ(read, std::strtod(result.c_str(), nullptr)) << result;
            }
        }
    }
}

TEST(RoundDigits, AgreesWithRoundingTheValueOrDeclines) {
    for (double value : Samples()) {
        DecimalDigits sixteen;
        if (!RoundedDigits(value, 16, sixteen)) continue;
        for (int precision : {1, 9, 15}) {
            DecimalDigits rounded;
            if (!RoundDigits(sixteen, precision, rounded)) continue;
            char actual[kShortNumberSize];
            LayoutGeneral(rounded, precision, actual, sizeof actual - 1);
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*g", precision, value);
            ASSERT_EQ(CanonicalExponent(actual), CanonicalExponent(expected)) << expected;
        }
    }
}

// The evaluator's final text of a single number, computed the long way.
std::string ReferenceFinal(double value) {
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%+.15e", value);
    scientific[7] = '0';
    scientific[8] = '.';
    scientific[18] = 0;
    const double f = std::atof(scientific + 7);
    char text[64];
    std::snprintf(text, sizeof text, f < 1e-8 || 1 - f < 1e-8 ? "%.9g" : "%.15g", value);
    std::string out = text;
    const size_t plus = out.find('+');
    if (plus != std::string::npos) out.erase(plus, 1);
    return out;
}

TEST(EvaluateFlat, FinalRenderingMatchesTheLongWay) {
    for (double value : Samples()) {
        char text[kShortNumberSize * 2];
        std::snprintf(text, sizeof text, "%.17g", value);
        if (std::strchr(text, '+')) continue;  // "+" is an operator inside expressions
        const std::string input = text;
        ASSERT_EQ(EvaluateFlat(text, sizeof text - 1, 0), 0) << input;
        ASSERT_EQ(CanonicalExponent(text), CanonicalExponent(ReferenceFinal(value))) << input;
    }
}

TEST(ReadNumber, FollowsAtofOnDecimalTexts) {
    // clang-format off
    const char* const texts[] = {"12", "-3.5", "+4", ".5", "5.", "1e5", "1E-5", "1e", "1e+", "1e-x", "2.5e3x",
                                 "-", "", "*5", "abc", "0.000001", "1e400", "-1e400", "1e-400",
                                 "123456789012345678901234567890", "  7", "1.7976931348623157e308",
                                 "4.9406564584124654e-324", "00012", "0x10", "inf", "nan", "e5", "-.e1"};
    // clang-format on
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        double expected = std::atof(text);
        // atof reads hexadecimal and infinity spellings; the engine's texts never hold them.
        if (std::strcmp(text, "0x10") == 0 || std::strcmp(text, "inf") == 0 || std::strcmp(text, "nan") == 0)
            expected = 0;
        const double actual = ReadNumber(text);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(actual));
        } else {
            EXPECT_EQ(actual, expected);
        }
    }
    // The end of the span is respected: "2.e+5" is only "2.e" there.
    const char span[] = "2.e+5";
    EXPECT_EQ(ReadNumber(span, span + 3), 2.0);
    EXPECT_EQ(ReadNumber(span, span + 1), 2.0);
}

TEST(ReadNumber, MatchesStrtodOnGeneratedTexts) {
    std::mt19937_64 random(777);
    std::uniform_int_distribution<int> digits(1, 19);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_int_distribution<int> decimal(0, 9);
    for (double value : Samples()) {
        for (int precision : {3, 9, 15, 17}) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*g", precision, value);
            ASSERT_EQ(ReadNumber(text), std::strtod(text, nullptr)) << text;
        }
    }
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int count = digits(random);
        const int point = digits(random) % (count + 1);
        for (int k = 0; k < count; ++k) {
            if (k == point) text += '.';
            text += static_cast<char>('0' + decimal(random));
        }
        if (i % 2) {
            text += 'e';
            text += std::to_string(exponent(random));
        }
        ASSERT_EQ(ReadNumber(text.c_str()), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(ReadInteger, FollowsAtoiAndClamps) {
    // clang-format off
    const struct {
        const char* text;
        int value;
    } rows[] = {{"42", 42},       {"-7!", -7},          {"+5", 5},           {"5.9", 5},
                {"", 0},          {"x1", 0},            {" 3", 3},           {"2147483647", 2147483647},
                {"99999999999", std::numeric_limits<int>::max()},
                {"-99999999999999999999999", std::numeric_limits<int>::min()}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ReadInteger(row.text), row.value);
    }
}

TEST(IsNumberText, WholeTextsOnly) {
    // clang-format off
    const struct {
        const char* text;
        bool number;
    } rows[] = {{"5", true},       {"-5", true},     {"1.5", true},   {"1e09", true},    {"1.5e+20", true},
                {"1.5e-020", true}, {"1E5", true},    {"", false},     {"-", false},      {"+5", false},
                {".5", false},     {"5.", false},    {"1e", false},   {"1e+", false},    {"5 ", false},
                {"1 234", false},  {"1,5", false},   {"--5", false},  {"<Complex number>", false},
                {"n! must be from 0 to 170", false}, {"inf", false},  {"nan", false}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(IsNumberText(row.text), row.number);
    }
}

}  // namespace
