#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "masses.h"
#include "symbols.h"
#include "task_record.h"
#include "text.h"

namespace {

// The two-letter symbols of the mass table that end in `letter`, as the set
// of their capitals.
std::string CapitalsBefore(char letter) {
    std::string capitals;
    for (size_t i = 0; i < kAtomicMassCount; ++i) {
        const char* symbol = kAtomicMasses[i].symbol;
        if (symbol[1] == letter) capitals += symbol[0];
    }
    return capitals;
}

TEST(LowerCaseRules, OneRuleForEveryLetterButJAndQ) {
    ASSERT_EQ(kLowerCaseRuleCount, 24u);
    std::string letters;
    for (size_t i = 0; i < kLowerCaseRuleCount; ++i) letters += kLowerCaseRules[i].letter;
    EXPECT_EQ(letters, "abcdefghiklmnoprstuvwxyz");
}

TEST(LowerCaseRules, FirstLetterSetsAreTheSymbolsOfTheMassTable) {
    for (size_t i = 0; i < kLowerCaseRuleCount; ++i) {
        const LowerCaseRule& rule = kLowerCaseRules[i];
        SCOPED_TRACE(rule.letter);
        std::string expected = CapitalsBefore(rule.letter);
        // Ds and Rg are left out; the lone-capital rule keeps them together.
        if (rule.letter == 's') expected.erase(expected.find('D'), 1);
        if (rule.letter == 'g') expected.erase(expected.find('R'), 1);
        EXPECT_EQ(rule.firstLetters, expected);  // sorted and unique, as the table is
    }
}

TEST(LowerCaseRules, RaisedFollowersMakeTwoOneLetterSymbols) {
    for (size_t i = 0; i < kLowerCaseRuleCount; ++i) {
        const LowerCaseRule& rule = kLowerCaseRules[i];
        for (const char* next = rule.raisesNext; *next; ++next) {
            char pair[kMassTextSize] = {ToUpper(rule.letter), *next, 0};
            char first[kMassTextSize] = {ToUpper(rule.letter), 0};
            char second[kMassTextSize] = {ToUpper(*next), 0};
            SCOPED_TRACE(pair);
            EXPECT_EQ(LookUpAtomicMass(pair), 0);   // an element in the right case (Co) ...
            EXPECT_EQ(LookUpAtomicMass(first), 0);  // ... and two in lower case (CO)
            EXPECT_EQ(LookUpAtomicMass(second), 0);
        }
    }
}

TEST(LoneCapitals, AreTheCapitalsThatAreNoSymbolAlone) {
    std::set<char> expected;
    for (size_t i = 0; i < kAtomicMassCount; ++i) expected.insert(kAtomicMasses[i].symbol[0]);
    for (size_t i = 0; i < kAtomicMassCount; ++i)
        if (kAtomicMasses[i].symbol[1] == 0) expected.erase(kAtomicMasses[i].symbol[0]);
    EXPECT_EQ(std::string(kLoneCapitals), std::string(expected.begin(), expected.end()));
}

TEST(CorrectSymbolCase, Corrections) {
    struct Row {
        const char* text;
        const char* corrected;
    };
    const Row rows[] = {
        {"nacl", "NaCl"},
        {"NACL", "NaCl"},
        {"NaCl", "NaCl"},
        {"cacl2", "CaCl2"},
        {"kmno4", "KMnO4"},
        {"feso4", "FeSO4"},
        {"k4[fe(cn)6]", "K4[Fe(CN)6]"},
        {"ch3cooh", "CH3COOH"},
        {"co", "CO"},  // carbon monoxide, not cobalt
        {"Co", "Co"},
        {"cO", "CO"},
        {"cs+cf+ho+hf+hs+no+po+sc", "CS+CF+HO+HF+HS+NO+PO+SC"},
        {"hg", "Hg"},
        {"sn", "Sn"},
        {"SN", "SN"},
        {"ag", "Ag"},
        {"AG", "Ag"},
        {"aG", "Ag"},
        {"zn", "Zn"},
        {"ZN", "zN"},  // Z is a lone capital before a capital
        {"D2O", "d2O"},
        {"xx", "Xx"},  // a lone capital and a lower-case letter are taken as a symbol
        {"jq", "jQ"},
        {"abc", "AbC"},
        {"ABC", "aBC"},
        {"HE", "He"},
        {"xe", "Xe"},
        {"Xe", "Xe"},
        {"2e5", "2e5"},
        {"2E-3", "2e-3"},
        {"1E+5", "1e+5"},
        {"HO2e-3", "HO2e-3"},
        {":22;(x)", ":22;(x)"},
        {"x^2-5x+6", "x^2-5x+6"},
        {"2+3", "2+3"},
        {"", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        char text[kTaskCapacity + 1];
        CopyText(text, row.text);
        CorrectSymbolCase(text, kKindFormula);
        EXPECT_STREQ(text, row.corrected);
    }
}

TEST(CorrectSymbolCase, RaisesTheKindOnACapital) {
    struct Row {
        const char* text;
        int kind;
        int result;
    };
    const Row rows[] = {
        {":22;(30)", 1, 1}, {"NaCl", 1, 3}, {":22;(x)", 1, 3},  // x is raised, counted, then lowered again
        {"e", 1, 3},                                            // likewise a lone e that follows no digit
        {"2e5", 1, 1},      {"1E+5", 0, 2}, {"2+3", 0, 0},     {"NaCl", 0, 2},
        {"NaCl", 2, 2},     {"x^2", 4, 4},  {"jq", 1, 1},  // raised to Q only as a second lower-case letter: no capital
                                                           // step
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " kind " + std::to_string(row.kind));
        char text[kTaskCapacity + 1];
        CopyText(text, row.text);
        EXPECT_EQ(CorrectSymbolCase(text, row.kind), row.result);
    }
}

TEST(CorrectSymbolCase, LengthLimit) {
    char text[kTaskCapacity + 2];
    std::string typed;
    while (typed.size() < kTaskCapacity) typed += "nacl+";
    typed.resize(kTaskCapacity);
    CopyText(text, typed.c_str());
    EXPECT_EQ(CorrectSymbolCase(text, kKindFormula), kKindFormula);
    EXPECT_EQ(std::strlen(text), kTaskCapacity);
    EXPECT_EQ(std::string(text, 10), "NaCl+NaCl+");

    typed += "n";
    CopyText(text, typed.c_str());
    EXPECT_EQ(CorrectSymbolCase(text, kKindFormula), 1001);
    EXPECT_STREQ(text, typed.c_str());
}

}  // namespace
