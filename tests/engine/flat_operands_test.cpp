#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "evaluator.h"
#include "number_text.h"
#include "task_record.h"

namespace {

// Reduced on its operands or on the text, a bracket-free expression must
// give the same status and the same text. The expressions are drawn from
// what reaches the evaluator: numbers of every form (signs, points,
// exponents, long digit runs, zeros), empty operands and lone signs, every
// operator, leading operators, and results that overflow.
std::string RandomFlat(std::mt19937& random) {
    static const char* const kNumbers[] = {
        "0",         "1",     "2",    "7",     "10", "0.1",   "0.3",  "3.14159",
        "123456789", "1e308", "1e-5", "2.5e3", "-1", "-0",    "-2.5", "999999999999999",
        "1.5.2",     "1e",    "e5",   "-",     "",   "00012", "4.",   "123456789012345678",
        "0.000001",  "17.25"};
    static const char kOperators[] = "^_/*+";
    std::string text;
    if (random() % 10 == 0) text += kOperators[random() % 5];
    const int count = 1 + static_cast<int>(random() % 7);
    for (int i = 0; i < count; ++i) {
        if (i) text += kOperators[random() % 5];
        if (random() % 3 == 0) {
            text += std::to_string(random() % 1000);
            if (random() % 2) {
                text += '.';
                text += std::to_string(random() % 1000);
            }
        } else {
            text += kNumbers[random() % (sizeof kNumbers / sizeof kNumbers[0])];
        }
    }
    return text;
}

TEST(FlatOperands, AgreeWithTheTextToTheBit) {
    std::mt19937 random(1234);
    for (int round = 0; round < 200000; ++round) {
        const std::string expression = RandomFlat(random);
        char fast[kResultCapacity + 1];
        char slow[kResultCapacity + 1];
        std::snprintf(fast, sizeof fast, "%s", expression.c_str());
        std::snprintf(slow, sizeof slow, "%s", expression.c_str());
        const int fastStatus = EvaluateFlat(fast, kResultCapacity, 0);
        const int slowStatus = EvaluateFlatOnText(slow, kResultCapacity, 0);
        ASSERT_EQ(fastStatus, slowStatus) << expression;
        if (fastStatus == 0) {
            ASSERT_STREQ(fast, slow) << expression;
        }
    }
}

// Brackets around parts of such texts, some misplaced: the pasted results of
// brackets are taken by value, which must again change nothing.
void InsertAt(std::string& text, size_t at, char c) {
    text.push_back(c);
    std::rotate(text.begin() + static_cast<std::ptrdiff_t>(at), text.end() - 1, text.end());
}

std::string RandomExpression(std::mt19937& random) {
    std::string text = RandomFlat(random);
    const int pairs = static_cast<int>(random() % 4);
    for (int k = 0; k < pairs; ++k) {
        size_t open = random() % (text.size() + 1);
        size_t close = open + random() % (text.size() - open + 1);
        InsertAt(text, close, ')');
        InsertAt(text, open, '(');
        if (random() % 8 == 0) InsertAt(text, random() % (text.size() + 1), random() % 2 ? '(' : ')');
    }
    return text;
}

// Well-formed nestings as the sign rewriting leaves them: numbers and
// brackets joined by operators, some brackets negated ("-1*("), results of
// every sign and size, deep and long enough to reach the length limit.
void AppendNested(std::mt19937& random, std::string& text, int depth) {
    static const char kOperators[] = "^_/*+";
    const int count = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < count; ++i) {
        if (i) text += kOperators[random() % 5];
        if (depth < 6 && random() % 3 == 0) {
            if (random() % 4 == 0) text += "-1*";
            text += '(';
            AppendNested(random, text, depth + 1);
            text += ')';
        } else {
            text += RandomFlat(random).substr(0, 1 + random() % 12);
        }
    }
}

TEST(FlatOperands, BracketsAgreeWithTheTextToTheBit) {
    std::mt19937 random(4321);
    for (int round = 0; round < 300000; ++round) {
        std::string expression;
        if (round % 3 == 0) {
            AppendNested(random, expression, 0);
        } else {
            expression = RandomExpression(random);
        }
        if (expression.size() > kExpressionLimit) continue;
        char fast[kResultCapacity + 1] = "unchanged";
        char slow[kResultCapacity + 1] = "unchanged";
        const int fastStatus = EvaluateExpression(expression.c_str(), fast, kResultCapacity, 0);
        const int slowStatus = EvaluateExpressionOnText(expression.c_str(), slow, kResultCapacity, 0);
        ASSERT_EQ(fastStatus, slowStatus) << expression;
        ASSERT_STREQ(fast, slow) << expression;
    }
}

// The value read back from a "%.15g" text is known without writing it.
TEST(FlatOperands, ReadBackValueIsWhatTheTextReadsAs) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int round = 0; round < 200000; ++round) {
        double value;
        switch (round % 4) {
        case 0:
            value = unit(random) * 1000;
            break;
        case 1:
            value = static_cast<double>(random() % 100000) / static_cast<double>(1 + random() % 997);
            break;
        case 2: {
            uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            break;
        }
        default:
            value = -unit(random) * std::pow(10.0, static_cast<int>(random() % 40) - 20);
            break;
        }
        if (!std::isfinite(value)) continue;
        double readBack = 0;
        if (!ReadBackValue(value, 15, readBack)) continue;
        char text[64];
        std::snprintf(text, sizeof text, "%.15g", value);
        ASSERT_EQ(readBack, std::strtod(text, nullptr)) << text;
    }
}

}  // namespace
