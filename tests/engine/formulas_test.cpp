#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "engine.h"
#include "formulas.h"
#include "marks.h"
#include "symbols.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

struct Row {
    const char* maths;
    const char* expected;
};

void ExpectExpanded(const Row& row) {
    SCOPED_TRACE(row.maths);
    char maths[kMathsCapacity + 1];
    CopyText(maths, row.maths);
    EXPECT_EQ(ExpandFormulas(maths), 0);
    EXPECT_STREQ(maths, row.expected);
}

// szMaths as the sign rewriting leaves it, and as the structure step makes it.
TEST(ExpandFormulas, WorkedExamples) {
    const Row rows[] = {
        {"H2O", "H*2+O"},
        {"NaCl", "Na+Cl"},
        {"C6H12O6", "C*6+H*12+O*6"},
        {"2NaCl", "2*(Na+Cl)"},
        {"Ca(OH)2", "Ca+(O+H)*2"},
        {"(NH4)2SO4", "(N+H*4)*2+S+O*4"},
        {"K4(Fe(CN)6)", "K*4+(Fe+(C+N)*6)"},
        {"CuSO4*5H2O", "(Cu+S+O*4)*5*(H*2+O)"},
        {"2H2+O2", "2*(H*2)+(O*2)"},
        {"NaCl/2", "(Na+Cl)/2"},
        {"NaCl-1*2", "(Na+Cl)+-1*2"},
        {"-1*H2O", "-1*(H*2+O)"},
        {"NaCl-1*(H2O)", "(Na+Cl)+-1*((H*2+O))"},
        {":22;(30)+NaCl", ":22;((30))+(Na+Cl)"},
        {"NaCl*:61;", "(Na+Cl)*:61;"},
        {":62;+NaCl", ":62;+(Na+Cl)"},
        {"NaCl+:62;", "(Na+Cl)+:62;"},
        {"H2O(2)", "H*2+O+(2)"},             // a number in brackets is added
        {"CuSO4.5H2O", "Cu+S+O*4.5+H*2+O"},  // no hydrate dot: O times 4.5
    };
    for (const Row& row : rows) ExpectExpanded(row);
}

TEST(ExpandFormulas, EdgeCases) {
    const Row rows[] = {
        {"NaCl+KCl", "(Na+Cl)+(K+Cl)"},  // an operator keeps every formula's brackets
        {"H+O", "(H)+(O)"},
        {"H", "H"},
        {"2H2O", "2*(H*2+O)"},
        {"NaCl+2KCl", "(Na+Cl)+2*(K+Cl)"},
        {"1.5NaCl", "1.5*(Na+Cl)"},
        {"2e-3*NaCl", "2e-3*(Na+Cl)"},
        {"HO2e-3", "H+O*2e-3"},  // an exponent stays with its number
        {"((H2O)2)3", "((H*2+O)*2)*3"},
        {"CuSO4*5(H2O)", "(Cu+S+O*4)*5*((H*2+O))"},
        {"K2(Cr2O7)", "K*2+(Cr*2+O*7)"},
        {"(NH4)3(PO4)", "(N+H*4)*3+(P+O*4)"},
        {"2*:22;30+H", "2*:22;30+(H)"},
        {"2:22;30", "2*:22;30"},                // a digit before a mark gets its "*"
        {"NaCl*(:61;*2)", "(Na+Cl)*(:61;*2)"},  // a bracket before a separator is no formula's
        {"2+3", "2+3"},
        {"", ""},
    };
    for (const Row& row : rows) ExpectExpanded(row);
}

// Subtractions of formulas and brackets of the user that the plain rules
// would leave with an unmatched ")" or "()".
TEST(ExpandFormulas, MinusAndBracketsOfTheUser) {
    const Row rows[] = {
        {"NaCl-H2O", "(Na+Cl)+-1*(H*2+O)"},
        {"2H2O-NaCl", "2*(H*2+O)+-1*(Na+Cl)"},
        {"2+-H2O", "2+-1*(H*2+O)"},  // 2-H2O after the sign rewriting
        {"(H2O)+-NaCl", "((H*2+O))+-1*(Na+Cl)"},
        {"NaCl*-H2O", "(Na+Cl)*-1*(H*2+O)"},
        {"He-Fe", "(He)+-1*(Fe)"},
        {"-H2O", "-1*(H*2+O)"},
        {"Fe-2", "(Fe)+-1*2"},  // the e of a symbol is no exponent
        {"Fe-(H2O)", "(Fe)+-1*((H*2+O))"},
        {"Fe-:22;(1)", "(Fe)+-1*:22;((1))"},
        {"NaCl*(-3)", "(Na+Cl)*((-3))"},
        {"H2O/(-2)", "(H*2+O)/((-2))"},
        {"NaCl*(-H2O)", "(Na+Cl)*((-1)*(H*2+O))"},
        {"Ca(-2)", "Ca+(-2)"},
        {"(:61;)*NaCl", "(:61;)*(Na+Cl)"},
        {"(:22;(30))*NaCl", "(:22;((30)))*(Na+Cl)"},
        {"(-3)*NaCl", "((-3))*(Na+Cl)"},
    };
    for (const Row& row : rows) ExpectExpanded(row);
}

TEST(ExpandFormulas, LengthLimits) {
    char maths[kMathsCapacity + 2];
    std::string text(kMathsCapacity, '1');
    CopyText(maths, text.c_str());
    EXPECT_EQ(ExpandFormulas(maths), 0);
    EXPECT_EQ(text, maths);

    text += '1';
    CopyText(maths, text.c_str());
    EXPECT_EQ(ExpandFormulas(maths), 1001);
    EXPECT_EQ(text, maths);

    // 212 times "+HO" fit as typed but grow to 212 * 6 characters.
    text.clear();
    for (int i = 0; i < 212; ++i) text += "+HO";
    CopyText(maths, text.c_str());
    EXPECT_EQ(ExpandFormulas(maths), 1001);
    EXPECT_EQ(text, maths);
}

struct SubstitutionRow {
    const char* maths;
    const char* answer;
    const char* memory;
    const char* expected;
};

void ExpectSubstituted(const SubstitutionRow& row) {
    SCOPED_TRACE(row.maths);
    char maths[kMathsCapacity + 1];
    CopyText(maths, row.maths);
    EXPECT_EQ(SubstituteValues(maths, row.answer, row.memory), 0);
    EXPECT_STREQ(maths, row.expected);
}

TEST(SubstituteValues, WorkedExamples) {
    const SubstitutionRow rows[] = {
        {"H*2+O", "", "", "1.00794*2+15.9994"},
        {"Na+Cl", "", "", "22.98976928+35.453"},
        {"C*6+H*12+O*6", "", "", "12.0107*6+1.00794*12+15.9994*6"},
        {"2*(Na+Cl)", "", "", "2*(22.98976928+35.453)"},
        {"Ca+(O+H)*2", "", "", "40.078+(15.9994+1.00794)*2"},
        {"(N+H*4)*2+S+O*4", "", "", "(14.0067+1.00794*4)*2+32.065+15.9994*4"},
        {"K*4+(Fe+(C+N)*6)", "", "", "39.0983*4+(55.845+(12.0107+14.0067)*6)"},
        {"(Cu+S+O*4)*5*(H*2+O)", "", "", "(63.546+32.065+15.9994*4)*5*(1.00794*2+15.9994)"},
        {"2*(H*2)+(O*2)", "", "", "2*(1.00794*2)+(15.9994*2)"},
        {"(Na+Cl)/2", "", "", "(22.98976928+35.453)/2"},
        {"(Na+Cl)+-1*2", "", "", "(22.98976928+35.453)+-1*2"},
        {"-1*(H*2+O)", "", "", "-1*(1.00794*2+15.9994)"},
        {"(Na+Cl)+-1*((H*2+O))", "", "", "(22.98976928+35.453)+-1*((1.00794*2+15.9994))"},
        {":22;((30))+(Na+Cl)", "", "", ":22;((30))+(22.98976928+35.453)"},
        {"(Na+Cl)*:61;", "", "", "(22.98976928+35.453)*3.1415926535897932"},
        {":62;+(Na+Cl)", "5", "", "5+(22.98976928+35.453)"},
        {"(Na+Cl)+:62;", "1 234,5", "", "(22.98976928+35.453)+1234.5"},
        {":63;-1", "", "4", "4+-1"},  // a value before a minus gets the "+"
        {"H*2+O+(2)", "", "", "1.00794*2+15.9994+(2)"},
        {"Cu+S+O*4.5+H*2+O", "", "", "63.546+32.065+15.9994*4.5+1.00794*2+15.9994"},
    };
    for (const SubstitutionRow& row : rows) ExpectSubstituted(row);
}

TEST(SubstituteValues, ValuesAndOtherCharacters) {
    const SubstitutionRow rows[] = {
        {"H", "", "", "1.00794"},
        {"2e-3*(Na+Cl)", "", "", "2e-3*(22.98976928+35.453)"},
        {"2*:22;30!", "", "", "2*:22;30!"},         // other marks keep their codes
        {":61;2", "", "", "3.1415926535897932*2"},  // pi2 is pi times 2, not more digits of pi
        {":62;.5", "8", "", "8*.5"},
        {":62;^:63;", "-2.5e-7", "1e20", "-2.5e-7^1e20"},
        {":62;", "1.5e+20", "", "1.5e20"},
        {"Ds+Rg", "", "", "281+280"},
    };
    for (const SubstitutionRow& row : rows) ExpectSubstituted(row);
}

TEST(SubstituteValues, FailuresLeaveMathsUnchanged) {
    struct FailureRow {
        const char* maths;
        const char* answer;
        const char* memory;
        int status;
    };
    const FailureRow rows[] = {
        {"Xx", "", "", 1013},
        {"Na+Cl+J", "", "", 1013},
        {"d*2+O", "", "", 1002},  // D2O after case correction
        {"2+x", "", "", 1002},
        {":62;+1", "", "5", 1011},
        {":62;+1", "Incorrect syntax", "5", 1011},
        {":62;+1", "<Complex number>", "5", 1011},
        {":62;+1", "n! must be from 0 to 170", "5", 1011},  // ends in a digit, but is no number
        {":63;+1", "5", "", 1012},
        {":63;+1", "5", "abc", 1012},
    };
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(std::string(row.maths) + " ans " + row.answer + " mem " + row.memory);
        char maths[kMathsCapacity + 1];
        CopyText(maths, row.maths);
        EXPECT_EQ(SubstituteValues(maths, row.answer, row.memory), row.status);
        EXPECT_STREQ(maths, row.maths);
    }
}

TEST(SubstituteValues, LengthLimits) {
    char maths[kMathsCapacity + 1];
    std::string text(kMathsCapacity - 1, '1');
    CopyText(maths, text.c_str());
    EXPECT_EQ(SubstituteValues(maths, "", ""), 0);

    text += '1';
    CopyText(maths, text.c_str());
    EXPECT_EQ(SubstituteValues(maths, "", ""), 1001);
    EXPECT_EQ(text, maths);

    // 80 times "+H" grow to 80 * 8 characters.
    text.clear();
    for (int i = 0; i < 80; ++i) text += "+H";
    CopyText(maths, text.c_str());
    EXPECT_EQ(SubstituteValues(maths, "", ""), 1001);
    EXPECT_EQ(text, maths);
}

// Whole tasks through the driver: the record after the calculation.
struct TaskRow {
    const char* typed;
    const char* answer;  // the previous answer
    const char* memory;
    int result;
    const char* szTask;
    const char* szMaths;
    const char* szAnswer;
};

void ExpectTasks(const TaskRow* rows, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const TaskRow& row = rows[i];
        SCOPED_TRACE(row.typed);
        TaskRecord record = MakeRecord(row.typed);
        CopyText(record.szAnswer, row.answer);
        CopyText(record.szMemory, row.memory);
        EXPECT_EQ(CalculateTask(record), row.result);
        EXPECT_STREQ(record.szTask, row.szTask);
        EXPECT_STREQ(record.szMaths, row.szMaths);
        EXPECT_NUMBER_TEXT(record.szAnswer, row.szAnswer);
        EXPECT_STREQ(record.szMemory, row.memory);
    }
}

TEST(FormulaTasks, WorkedExamples) {
    const TaskRow rows[] = {
        {"H2O", "", "", 2, "H2O", "1.00794*2+15.9994", "18.01528"},
        {"nacl", "", "", 2, "NaCl", "22.98976928+35.453", "58.44276928"},
        {"C6H12O6", "", "", 2, "C6H12O6", "12.0107*6+1.00794*12+15.9994*6", "180.15588"},
        {"2NaCl", "", "", 2, "2NaCl", "2*(22.98976928+35.453)", "116.88553856"},
        {"Ca(OH)2", "", "", 2, "Ca(OH)2", "40.078+(15.9994+1.00794)*2", "74.09268"},
        {"(NH4)2SO4", "", "", 2, "(NH4)2SO4", "(14.0067+1.00794*4)*2+32.065+15.9994*4", "132.13952"},
        {"K4[Fe(CN)6]", "", "", 2, "K4[Fe(CN)6]", "39.0983*4+(55.845+(12.0107+14.0067)*6)", "368.3426"},
        {"k4[fe(cn)6]", "", "", 2, "K4[Fe(CN)6]", "39.0983*4+(55.845+(12.0107+14.0067)*6)", "368.3426"},
        // An addition compound: the hydrate's mass is the sum of its parts.
        {"CuSO4*5H2O", "", "", 2, "CuSO4*5H2O", "((63.546+32.065+15.9994*4)+5*(1.00794*2+15.9994))", "249.685"},
        {"2H2+O2", "", "", 2, "2H2+O2", "2*(1.00794*2)+(15.9994*2)", "36.03056"},
        {"NaCl/2", "", "", 2, "NaCl/2", "(22.98976928+35.453)/2", "29.22138464"},
        {"NaCl-2", "", "", 2, "NaCl-2", "(22.98976928+35.453)+-1*2", "56.44276928"},
        {"-H2O", "", "", 2, "-H2O", "-1*(1.00794*2+15.9994)", "-18.01528"},
        {"NaCl-(H2O)", "", "", 2, "NaCl-(H2O)", "(22.98976928+35.453)+-1*((1.00794*2+15.9994))", "40.42748928"},
        {"sin(30)+NaCl", "", "", 3, ":sin(30)+NaCl", ":sin((30))+(22.98976928+35.453)", "57.4547376559071"},
        {"NaCl*pi", "", "", 3, "NaCl*:pi", "(22.98976928+35.453)*3.1415926535897932", "183.603374625491"},
        {"ans+NaCl", "5", "", 3, ":ans+NaCl", "5+(22.98976928+35.453)", "63.44276928"},
        {"NaCl+ans", "1 234,5", "", 3, "NaCl+:ans", "(22.98976928+35.453)+1234.5", "1292.94276928"},
        {"mem-1", "", "4", 1, ":mem-1", "4+-1", "3"},
        {"H2O(2)", "", "", 2, "H2O(2)", "1.00794*2+15.9994+(2)", "20.01528"},
        {"CuSO4.5H2O", "", "", 2, "CuSO4.5H2O", "63.546+32.065+15.9994*4.5+1.00794*2+15.9994", "185.62358"},
    };
    ExpectTasks(rows, std::size(rows));
}

TEST(FormulaTasks, EdgeCases) {
    const TaskRow rows[] = {
        {"NaCl+KCl", "", "", 2, "NaCl+KCl", "(22.98976928+35.453)+(39.0983+35.453)", "132.99406928"},
        {"H+O", "", "", 2, "H+O", "(1.00794)+(15.9994)", "17.00734"},
        {"H", "", "", 2, "H", "1.00794", "1.00794"},
        {"2e-3*NaCl", "", "", 2, "2e-3*NaCl", "2e-3*(22.98976928+35.453)", "0.11688553856"},
        {"HO2e-3", "", "", 2, "HO2e-3", "1.00794+15.9994*2e-3", "1.0399388"},
        {"((H2O)2)3", "", "", 2, "((H2O)2)3", "((1.00794*2+15.9994)*2)*3", "108.09168"},
        // An unknown symbol puts the line back as typed, blanks and case included.
        {"  xx ", "", "", -1, "  xx ", "Xx", "Unknown element symbol"},
        {"D2O", "", "", -1, "d2O", "d2*(O)", "Incorrect syntax"},
        {"ans+1", "Incorrect syntax", "", -1, ":ans+1", ":ans+1", "Previous answer isn't number"},
        {"mem", "5", "", -1, ":mem", ":mem", "No number in memory"},
    };
    ExpectTasks(rows, std::size(rows));
}

TEST(FormulaTasks, MinusAndBracketsOfTheUser) {
    const TaskRow rows[] = {
        {"NaCl-H2O", "", "", 2, "NaCl-H2O", "(22.98976928+35.453)+-1*(1.00794*2+15.9994)", "40.42748928"},
        {"Fe-2", "", "", 2, "Fe-2", "(55.845)+-1*2", "53.845"},
        {"2H2O-NaCl", "", "", 2, "2H2O-NaCl", "2*(1.00794*2+15.9994)+-1*(22.98976928+35.453)", "-22.41220928"},
        {"NaCl*(-3)", "", "", 2, "NaCl*(-3)", "(22.98976928+35.453)*((-3))", "-175.32830784"},
        {"H2O/(-2)", "", "", 2, "H2O/(-2)", "(1.00794*2+15.9994)/((-2))", "-9.00764"},
        {"(pi)*NaCl", "", "", 3, "(:pi)*NaCl", "(3.1415926535897932)*(22.98976928+35.453)", "183.603374625491"},
        {"(sin(30))*NaCl", "", "", 3, "(:sin(30))*NaCl", "(:sin((30)))*(22.98976928+35.453)", "-57.7433042482028"},
        {"Fe-sin(30)", "", "", 3, "Fe-:sin(30)", "(55.845)+-1*:sin((30))", "56.8330316240929"},
        {"pi2", "", "", 1, ":pi2", "3.1415926535897932*2", "6.28318530717959"},
    };
    ExpectTasks(rows, std::size(rows));
}

TEST(FormulaTasks, NamesComeBackWithOrWithoutColons) {
    TaskRecord record = MakeRecord();
    EXPECT_EQ(Calculate(record, "2sin(30)"), 1);
    EXPECT_STREQ(record.szTask, "2:sin(30)");
    EXPECT_STREQ(record.szMaths, "2*:sin(30)");

    record.bFunctionSeparator = 0;
    EXPECT_EQ(Calculate(record, "2sin(30)"), 1);
    EXPECT_STREQ(record.szTask, "2sin(30)");
    EXPECT_STREQ(record.szMaths, "2*sin(30)");
    EXPECT_EQ(Calculate(record, "NaCl*pi"), 3);
    EXPECT_STREQ(record.szTask, "NaCl*pi");
    EXPECT_EQ(Calculate(record, "ans-mem"), -1);
    EXPECT_STREQ(record.szTask, "ans-mem");
    EXPECT_STREQ(record.szAnswer, "No number in memory");
}

TEST(FormulaTasks, DeepAndLongFormulas) {
    const std::string deep = std::string(250, '(') + "h2o" + std::string(250, ')');
    std::string repeated = "H2O";
    for (int i = 0; i < 168; ++i) repeated += "(2)";
    std::string subtractions;
    for (int i = 0; i < 101; ++i) subtractions += "NaCl-";
    subtractions += "H";
    struct Row {
        const char* typed;
        int result;
        const char* szAnswer;
    };
    const Row rows[] = {
        {deep.c_str(), 2, "18.01528"},
        {repeated.c_str(), -1, "Expression is too long"},  // 507 characters that grow past 638
        {subtractions.c_str(), -1, "Expression is too long"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        TaskRecord record = MakeRecord(row.typed);
        EXPECT_EQ(CalculateTask(record), row.result);
        EXPECT_STREQ(record.szAnswer, row.szAnswer);
    }
}

// Texts of every length up to the longest line, made of symbols in any case,
// digits, signs, brackets and marks: each stage gives a status or a text,
// inside buffers of exactly the field's size.
TEST(FormulaStages, BadInputStaysInsideItsFields) {
    const char* const pieces[] = {"H", "h",    "O",    "o",    "N",    "n",   "a",  "A",  "c",   "C",
                                  "l", "e",    "E",    "x",    "Z",    "j",   "0",  "2",  "7",   ".",
                                  "(", ")",    "[",    "]",    "-",    "+",   "*",  "/",  "^",   "_",
                                  "!", ":22;", ":61;", ":62;", ":63;", "sin", "tg", "pi", "ans", "acosec"};
    unsigned seed = 12345;
    auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        size_t length = round < 100 ? kInputLineCapacity : next(kInputLineCapacity + 1);
        while (text.size() < length) text += pieces[next(std::size(pieces))];
        text.resize(length);
        SCOPED_TRACE(text);

        auto task = std::make_unique<char[]>(kTaskCapacity + 1);
        CopyText(task.get(), kTaskCapacity, text.c_str());
        int kind = CorrectSymbolCase(task.get(), kKindFunctions);
        EXPECT_TRUE(kind == kKindFunctions || kind == kKindFunctionsAndFormula);
        EXPECT_EQ(std::strlen(task.get()), length);

        auto maths = std::make_unique<char[]>(kMathsCapacity + 1);
        CopyText(maths.get(), kMathsCapacity, task.get());
        int status = ExpandFormulas(maths.get());
        EXPECT_TRUE(status == 0 || status == 1001);
        if (status == 0) {
            status = SubstituteValues(maths.get(), "-1.5e-7", "12");
            EXPECT_TRUE(status == 0 || status == 1001 || status == 1002 || status == 1013) << status;
        }
        UnmarkFunctionNames(maths.get(), kMathsCapacity, round % 3);
        EXPECT_LE(std::strlen(maths.get()), kMathsCapacity);

        TaskRecord record = MakeRecord(text.c_str());
        CalculateTask(record);
        EXPECT_LE(TextLength(record.szTask, kTaskCapacity + 1), kTaskCapacity);
        EXPECT_LE(TextLength(record.szMaths, kMathsCapacity + 1), kMathsCapacity);
        EXPECT_LE(TextLength(record.szResult, kResultCapacity + 1), kResultCapacity);
        EXPECT_LE(TextLength(record.szAnswer, kAnswerCapacity + 1), kAnswerCapacity);
    }
}

}  // namespace
