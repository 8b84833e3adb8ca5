#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "engine.h"
#include "functions.h"
#include "number_text.h"
#include "text.h"

namespace {

constexpr double kClose = 2e-14;  // 15 digits plus a last-bit difference of the math library

struct Row {
    const char* operand;
    int unit;
    int status;
    const char* expected = nullptr;  // on status 0
    double tolerance = 0;            // 0: the text itself; otherwise a relative tolerance on the value
};

// "1e+020" and "1e+20" are the same text: C runtimes differ in exponent width.
std::string Canonical(const char* text) {
    std::string s = text;
    size_t e = s.find_first_of("eE");
    if (e == std::string::npos) return s;
    size_t digits = e + 1 + (e + 1 < s.size() && (s[e + 1] == '+' || s[e + 1] == '-'));
    while (s.size() - digits > 2 && s[digits] == '0') s.erase(digits, 1);
    return s;
}

void ExpectValue(const char* actual, const char* expected, double tolerance) {
    EXPECT_TRUE(IsNumberText(actual)) << actual;
    if (tolerance == 0) {
        EXPECT_EQ(Canonical(actual), Canonical(expected));
    } else {
        double want = ReadNumber(expected);
        EXPECT_NEAR(ReadNumber(actual), want, std::fabs(want) * tolerance) << actual;
    }
}

void CheckRows(const Row* rows, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(testing::Message() << row.operand << " unit " << row.unit);
        char text[700];
        ASSERT_TRUE(CopyText(text, row.operand));
        int status = EvaluateFunction(text, sizeof text - 1, row.unit);
        EXPECT_EQ(status, row.status);
        if (status == 0 && row.status == 0) {
            ExpectValue(text, row.expected, row.tolerance);
        } else if (status != 0) {
            EXPECT_STREQ(text, row.operand);  // a refusal leaves the operand alone
        }
    }
}

template <size_t N>
void CheckRows(const Row (&rows)[N]) {
    CheckRows(rows, N);
}

TEST(Functions, AngleFactors) {
    EXPECT_EQ(AngleFactor(1), 180.0);
    EXPECT_EQ(AngleFactor(2), 200.0);
    for (int unit : {0, 3, -1, 1000}) EXPECT_EQ(AngleFactor(unit), 3.141592653589793) << unit;
}

TEST(Functions, CircularInDegrees) {
    const Row rows[] = {
        {":22;30", 1, 0, "0.5"},
        {":22;90", 1, 0, "1"},
        {":22;180", 1, 0, "0"},  // snapped: sin(pi) would be 1.2e-16
        {":22;-180", 1, 0, "0"},
        {":22;540", 1, 0, "0"},
        {":22;180.0000001", 1, 0, "0"},                          // within 1e-8 rad of pi
        {":22;180.000001", 1, 0, "-1.74532925199433e-8", 1e-6},  // outside the tolerance
        {":22;360", 1, 0, "0"},
        {":17;90", 1, 0, "0"},
        {":17;270", 1, 0, "0"},
        {":17;-90", 1, 0, "0"},
        {":17;60", 1, 0, "0.5"},
        {":17;720", 1, 0, "1"},
        {":38;45", 1, 0, "1"},
        {":38;180", 1, 0, "0"},
        {":38;90", 1, 1032},
        {":38;-90", 1, 1032},
        {":38;270", 1, 1032},
        {":33;45", 1, 0, "1"},
        {":33;90", 1, 1032},
        {":27;0", 1, 1032},
        {":27;180", 1, 1032},
        {":27;-360", 1, 1032},
        {":27;90", 1, 0, "0"},
        {":27;45", 1, 0, "1"},
        {":32;90", 1, 0, "0"},
        {":32;0", 1, 1032},
        // Secant and cosecant are neither reduced nor snapped. Their values here
        // are 1 / (a cosine or sine near 1e-16), whose digits differ between math
        // libraries: only the magnitude is stable.
        {":40;90", 1, 0, "1.63312393531954e+16", 1e-3},
        {":40;60", 1, 0, "2"},
        {":40;0", 1, 0, "1"},
        {":12;30", 1, 0, "2"},
        {":42;30", 1, 0, "2"},
        {":42;0", 1, 1031},
        {":12;180", 1, 0, "8.16561967659768e+15", 1e-3},
    };
    CheckRows(rows);
}

TEST(Functions, CircularInGradsAndRadians) {
    const Row rows[] = {
        {":22;100", 2, 0, "1"},
        {":22;200", 2, 0, "0"},
        {":17;100", 2, 0, "0"},
        {":38;100", 2, 1032},
        {":38;50", 2, 0, "1"},
        {":22;3.14159265358979", 0, 0, "0"},  // within 1e-8 of pi
        {":22;1", 0, 0, "0.841470984807897", kClose},
        {":22;1", 3, 0, "0.841470984807897", kClose},  // unknown units are radians
        {":22;1", -1, 0, "0.841470984807897", kClose},
        {":17;0", 0, 0, "1"},
        {":38;1", 0, 0, "1.5574077246549", kClose},
        {":38;1.5707963267949", 0, 1032},
        {":38;-1.5707963267949", 0, 1032},
        {":27;1", 0, 0, "0.642092615934331", kClose},
        {":27;3.14159265358979", 0, 1032},
        {":40;1", 0, 0, "1.85081571768093", kClose},
        {":42;1", 0, 0, "1.18839510577812", kClose},
    };
    CheckRows(rows);
}

TEST(Functions, InverseCircular) {
    const Row rows[] = {
        {":20;1", 1, 0, "90"},
        {":18;0.5", 1, 0, "30"},
        {":20;-1", 1, 0, "-90"},
        {":20;1.0000001", 1, 1023},
        {":18;-2", 1, 1023},
        {":15;0", 1, 0, "90"},
        {":13;-1", 1, 0, "180"},
        {":15;1.5", 1, 1023},
        {":15;0", 2, 0, "100"},
        {":20;1", 0, 0, "1.5707963267949", kClose},
        {":20;1", 5, 0, "1.5707963267949", kClose},
        {":36;1", 1, 0, "45"},
        {":34;1", 1, 0, "45"},
        {":29;1", 1, 0, "45"},
        {":31;-1", 1, 0, "-45"},
        {":36;1", 2, 0, "50"},
        {":36;1e308", 1, 0, "90"},
        {":25;0", 1, 0, "90"},  // 1 / 0 is infinite: a right angle
        {":23;1", 1, 0, "45"},
        {":28;-1", 1, 0, "-45"},
        {":30;0", 1, 0, "90"},
        {":39;2", 1, 0, "60"},
        {":39;-1", 1, 0, "180"},
        {":39;0.5", 1, 1023},
        {":39;0", 1, 1023},
        {":11;2", 1, 0, "30"},
        {":41;2", 1, 0, "30"},
        {":41;-2", 1, 0, "-30"},
        {":41;0.5", 1, 1023},
        {":11;-0.99", 1, 1023},
    };
    CheckRows(rows);
}

TEST(Functions, Hyperbolic) {
    const Row rows[] = {
        {":21;1", 1, 0, "1.1752011936438", kClose},  // no angle unit
        {":16;1", 2, 0, "1.54308063481524", kClose},
        {":37;1", 0, 0, "0.761594155955765", kClose},
        {":26;1", 0, 0, "1.31303528549933", kClose},
        {":26;0", 0, 1031},
        {":26;-1", 0, 1031},  // refused for every argument of 0 or less
        {":21;1000", 0, 1031},
        {":16;-1000", 0, 1031},
        {":19;1", 0, 0, "0.881373587019543", kClose},
        {":19;-1", 0, 0, "-0.881373587019543", kClose},
        // ln(sqrt(v*v + 1) + v) would give -16.8057 here and overflow below.
        {":19;-1e7", 0, 0, "-16.8112428315183", kClose},
        {":19;1e-10", 0, 0, "1e-10", kClose},
        {":19;1e200", 0, 0, "461.210165779369", kClose},
        {":14;0.5", 0, 1032},
        {":14;1", 0, 0, "0"},
        {":14;2", 0, 0, "1.31695789692482", kClose},
        {":14;1e200", 0, 0, "461.210165779369", kClose},
        {":35;1", 0, 1031},
        {":35;-1", 0, 1031},
        {":35;2", 0, 1023},
        {":35;-1.5", 0, 1023},
        {":35;0.5", 0, 0, "0.549306144334055", kClose},
        {":35;1e-10", 0, 0, "1e-10", kClose},
        {":24;0.5", 0, 1032},
        {":24;0", 0, 1032},
        {":24;1", 0, 1031},
        {":24;-1", 0, 1031},
        {":24;2", 0, 0, "0.549306144334055", kClose},
        {":24;-2", 0, 0, "-0.549306144334055", kClose},
        {":24;1e10", 0, 0, "1e-10", kClose},
    };
    CheckRows(rows);
}

TEST(Functions, Others) {
    const Row rows[] = {
        {":43;0", 0, 0, "0"},
        {":43;-0", 0, 0, "0"},  // never "-0"
        {":43;-4", 0, 1024},
        {":43;2", 0, 0, "1.4142135623731", kClose},
        {":43;1e4", 0, 0, "100"},
        {":43;16!", 0, 0, "4"},  // the argument's text after the number is ignored
        {":43;x", 0, 0, "0"},
        {":44;-3", 0, 0, "9"},
        {":44;1e200", 0, 1031},
        {":45;1", 0, 0, "2.71828182845905", kClose},
        {":46;1", 0, 0, "2.71828182845905", kClose},
        {":45;100", 0, 0, "2.68811714181614e+43", kClose},
        {":45;710", 0, 1031},
        {":45;-1000", 0, 0, "0"},
        {":47;2", 0, 0, "100"},
        {":47;-2", 0, 0, "0.01"},
        {":47;400", 0, 1031},
        {":48;0", 0, 1025},
        {":48;-0", 0, 1025},
        {":48;-1", 0, 1026},
        {":48;1", 0, 0, "0"},
        {":49;0", 0, 1025},
        {":49;-5", 0, 1026},
        {":49;1000", 0, 0, "3"},
        {":49;1e308", 0, 0, "308"},
        {":50;-3", 0, 0, "3"},
        {":50;-1e308", 0, 0, "1e+308"},
        {":51;-2.7", 0, 0, "-2"},
        {":51;2.7", 0, 0, "2"},
        {":51;-0.5", 0, 0, "0"},
        {":51;2147483647.9", 0, 0, "2147483647"},
        {":51;-2147483648.5", 0, 0, "-2147483648"},
        // Beyond 32 bits the truncated value is kept, not wrapped.
        {":51;2147483648.5", 0, 0, "2147483648"},
        {":51;-3000000000.7", 0, 0, "-3000000000"},
        {":51;1e308", 0, 0, "1e+308"},
        {":51;1e999", 0, 1031},
        {":54;-0.5", 0, 0, "-1"},
        {":54;0", 0, 0, "0"},
        {":54;-0", 0, 0, "0"},
        {":54;7", 0, 0, "1"},
        // Codes without a function, the named values among them.
        {":61;5", 0, 0, "0"},
        {":62;5", 0, 0, "0"},
        {":63;5", 0, 0, "0"},
        {":55;5", 0, 0, "0"},
        {":10;5", 0, 0, "0"},
        {":99;5", 0, 0, "0"},
    };
    CheckRows(rows);
}

TEST(Functions, MarksAndNesting) {
    std::string deep;
    for (int i = 0; i < 150; ++i) deep += ":50;";
    deep += "-2.5";
    const Row rows[] = {
        {":22;", 1, 1022},
        {":61;", 0, 1022},
        {":22;:43;", 1, 1022},
        {":22;:43;8100", 1, 0, "1"},
        {":22;:43;4", 0, 0, "0.909297426825682", kClose},
        {":44;:43;2", 0, 0, "2.00000000000001"},  // the inner value passes through its 15-digit text
        {":48;:17;90", 1, 1025},                  // cos(90) snapped to 0
        {":43;:48;0.5", 0, 1024},
        {":43;:48;0", 0, 1025},  // the innermost refusal comes back unchanged
        {":44;:45;400", 0, 1031},
        {":22;:99;5", 0, 0, "0"},
        {":22;1e999", 0, 1031},
        {deep.c_str(), 0, 0, "2.5"},
    };
    CheckRows(rows);
}

TEST(Functions, HugeCircularArgumentsGiveAValueInRange) {
    for (const char* operand : {":22;1e308", ":17;-1e308", ":22;1e20", ":17;9.3e18", ":22;6e15"}) {
        for (int unit : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << operand << " unit " << unit);
            char text[64];
            ASSERT_TRUE(CopyText(text, operand));
            ASSERT_EQ(EvaluateFunction(text, sizeof text - 1, unit), 0);
            EXPECT_LE(std::fabs(ReadNumber(text)), 1.0) << text;
        }
    }
}

// Every code with awkward arguments in every unit: a status of the table, or
// a plain number text; never "inf", "nan" or "-0", never undefined behaviour.
TEST(Functions, EveryCodeWithAwkwardArguments) {
    const char* arguments[] = {"0",           "-0",     "1",     "-1",     "0.5",   "-0.5",
                               "2",           "-2",     "90",    "180",    "32768", "2147483648",
                               "-2147483649", "1e-320", "1e308", "-1e308", "1e999", "-1e999"};
    for (int code = 0; code < 100; ++code) {
        for (const char* argument : arguments) {
            for (int unit : {0, 1, 2, 7}) {
                char text[64];
                std::snprintf(text, sizeof text, ":%02d;%s", code, argument);
                SCOPED_TRACE(testing::Message() << text << " unit " << unit);
                int status = EvaluateFunction(text, sizeof text - 1, unit);
                if (status == 0) {
                    EXPECT_TRUE(IsNumberText(text)) << text;
                    EXPECT_STRNE(text, "-0");
                } else {
                    EXPECT_TRUE((status >= 1023 && status <= 1026) || status == 1031 || status == 1032) << status;
                }
            }
        }
    }
}

TEST(Functions, ValueMustFitTheBuffer) {
    struct Case {
        const char* operand;
        size_t capacity;  // characters besides the NUL
        int status;
    };
    const Case cases[] = {
        {":22;1", 17, 0},  // "0.841470984807897"
        {":22;1", 16, 1001},
        {":43;4", 1, 0},
        {":43;4", 0, 1001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.operand << " in " << c.capacity);
        size_t size = std::max(c.capacity + 1, std::strlen(c.operand) + 1);
        auto buffer = std::make_unique<char[]>(size);
        std::memcpy(buffer.get(), c.operand, std::strlen(c.operand) + 1);
        EXPECT_EQ(EvaluateFunction(buffer.get(), c.capacity, 0), c.status);
        if (c.status != 0) {
            EXPECT_STREQ(buffer.get(), c.operand);
        }
    }
    char factorial[4] = "20!";
    EXPECT_EQ(EvaluateFactorial(factorial, sizeof factorial - 1), 1001);
    EXPECT_STREQ(factorial, "20!");
}

TEST(Factorial, Values) {
    const Row rows[] = {
        {"0!", 0, 0, "1"},
        {"1!", 0, 0, "1"},
        {"!", 0, 0, "1"},  // atoi of nothing is 0
        {"3!", 0, 0, "6"},
        {"+4!", 0, 0, "24"},
        {"5!", 0, 0, "120"},
        {"5.9!", 0, 0, "120"},  // the fraction is cut off
        {"1e3!", 0, 0, "1"},    // atoi stops at the "e"
        {"20!", 0, 0, "2.43290200817664e+18"},
        {"170!", 0, 0, "7.257415615308e+306"},
        {"171!", 0, 1031},
        {"99999999999!", 0, 1031},
        {"-3!", 0, 1027},
        {"-99999999999!", 0, 1027},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.operand);
        char text[kShortNumberSize];
        ASSERT_TRUE(CopyText(text, row.operand));
        int status = EvaluateFactorial(text, sizeof text - 1);
        EXPECT_EQ(status, row.status);
        if (status == 0 && row.status == 0) {
            ExpectValue(text, row.expected, 0);
        } else if (status != 0) {
            EXPECT_STREQ(text, row.operand);
        }
    }
}

TEST(Random, SequenceOfTheWindowsRuntime) {
    const int seedOne[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    const int seedZero[] = {38, 7719, 21238, 2437, 8855};
    for (int pass = 0; pass < 2; ++pass) {  // reseeding replays the sequence
        SeedRandom(1);
        for (int expected : seedOne) EXPECT_EQ(NextRandom(), expected);
    }
    SeedRandom(0);
    for (int expected : seedZero) EXPECT_EQ(NextRandom(), expected);
}

// Each application draws exactly one number: seed 1 gives 41, 18467, 6334, ...
TEST(Random, FunctionsDrawOneNumberEach) {
    const Row rows[] = {
        {":52;100", 0, 0, "41"},      {":53;100", 1, 0, "67"},  // 18467
        {":52;-100", 0, 0, "34"},                               // 6334: the remainder takes the sign of the draw
        {":53;0.5", 0, 0, "0"},                                 // 26500: a divisor of 0 yields 0
        {":52;1e308", 0, 0, "19169"}, {":52;-7.9", 0, 0, "2"},  // 15724 % -7
        {":53;1", 0, 0, "0"},                                   // 11478
        {":53;32768", 0, 0, "29358"}, {":53;", 0, 1022},        // refused before drawing
    };
    SeedRandom(1);
    CheckRows(rows);
    EXPECT_EQ(NextRandom(), 26962);
}

}  // namespace
