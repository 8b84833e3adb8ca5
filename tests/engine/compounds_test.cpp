#include <gtest/gtest.h>

#include <string>

#include "compounds.h"
#include "engine.h"
#include "status.h"
#include "task_record.h"
#include "test_support.h"
#include "text.h"

namespace {

// Molar masses with the table's masses, as the calculator shows them.
TEST(Compounds, MassIsTheSumOfTheComponents) {
    struct Row {
        const char* typed;
        const char* answer;
    };
    // clang-format off
    const Row rows[] = {
        {"CuSO4*5H2O", "249.685"},
        {"2CuSO4*5H2O", "409.2936"},  // each component keeps its coefficient
        {"2*CuSO4*5H2O", "499.37"},   // a number and "*" before apply to the whole
        {"3CdSO4*8H2O", "769.54304"},
        {"2CaSO4*H2O", "290.29648"},
        {"3CaO*SiO2", "228.3165"},
        {"CuSO4*5H2O/2", "124.8425"},
        {"25/CuSO4*5H2O", "0.10012615896029"},
        {"Cu/CuSO4*5H2O*100", "25.4504675891623"},
        {"NaCl-CuSO4*5H2O", "-191.24223072"},
        {"-CuSO4*5H2O", "-249.685"},
        {"(CuSO4*5H2O)*2", "499.37"},
        {"2(CuSO4*5H2O)", "499.37"},
        {"CuSO4*(NH4)2SO4*6H2O", "399.8398"},  // chains join
        {"KAl(SO4)2*12H2O", "474.3883986"},
        {"CaSO4*0.5H2O", "145.14824"},
        {"2*NaCl*H2O", "152.91609856"},
        {"cuso4*5h2o", "249.685"},
        {"CuSO4*5(H2O)", "249.685"},
        {"CuSO4*(5H2O)", "249.685"},
        {"CuSO4*5H2O^2", "62342.599225"},  // a power after it applies to the whole
        {"CuSO4\xb7" "5H2O", "249.685"},
        {"MgSO4\x95" "7H2O", "246.47456"},
        // A coefficient just inside a bracket.
        {"(2H2O)", "36.03056"},
        {"(2H2O+NaCl)", "94.47332928"},
        {"ln(2H2O)", "3.5843674672426"},
        // No compound: one side is no formula component.
        {"ln(CuSO4)*5H2O", "456.932767301835"},
        {"CuSO4*5*H2O", "14376.96809704"},
        {"NaCl*(H2O+2)", "1169.7483911146"},
        {"NaCl*2", "116.88553856"},
        {"2*NaCl", "116.88553856"},
        {"H2O*2.5", "45.0382"},
        {"CuSO4*pi", "501.425205209752"},
        {"CuSO4*-5H2O", "-14376.96809704"},
        {"H2O(2)", "20.01528"},        // a number in brackets after a formula is added
        {"CuSO4.5H2O", "185.62358"},   // 4.5 oxygens: "." continues a count
        {"5\x96" "3", "2"},
        {"2\xb7" "3", "6"},
        {"10\xb2", "100"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        TaskRecord record = MakeRecord(row.typed);
        EXPECT_NE(CalculateTask(record), -1) << record.szAnswer;
        EXPECT_NUMBER_TEXT(record.szAnswer, row.answer);
    }
}

TEST(Compounds, JoinWritesTheGroupingIntoTheExpression) {
    struct Row {
        const char* maths;
        const char* joined;
    };
    const Row rows[] = {
        {"CuSO4*5H2O", "(CuSO4+5H2O)"},
        {"(CuSO4*5H2O)*2", "(CuSO4+5H2O)*2"},  // the bracket is there already
        {"25/CuSO4*5H2O*100", "25/(CuSO4+5H2O)*100"},
        {"NaCl-CuSO4*5H2O", "NaCl-1*(CuSO4+5H2O)"},  // subtracted like any bracket
        {"CuSO4*(NH4)2SO4*6H2O", "(CuSO4+(NH4)2SO4+6H2O)"},
        {"((CuSO4*5H2O)*NaCl)", "((CuSO4+5H2O)+NaCl)"},
        {"(CuSO4*5H2O+1)", "((CuSO4+5H2O)+1)"},
        {":48;(CuSO4*5H2O)", ":48;(CuSO4+5H2O)"},
        // Not joined.
        {"NaCl*2", "NaCl*2"},
        {"2*NaCl", "2*NaCl"},
        {":48;(CuSO4)*5H2O", ":48;(CuSO4)*5H2O"},
        {"CuSO4*5*H2O", "CuSO4*5*H2O"},
        {"NaCl*(2+3)", "NaCl*(2+3)"},
        {"CuSO4*-5H2O", "CuSO4*-5H2O"},
        {"CuSO4*:61;", "CuSO4*:61;"},
        {"CuSO4*5H2O(2)", "CuSO4*5H2O(2)"},  // not a term of its own
        {"12*5H2O", "12*5H2O"},              // a continued answer is a number
        {"2e-3*NaCl", "2e-3*NaCl"},
        {"CuSO4*", "CuSO4*"},
        {"*5H2O", "*5H2O"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.maths);
        char maths[kMathsCapacity + 1];
        CopyText(maths, row.maths);
        EXPECT_EQ(JoinCompounds(maths), 0);
        EXPECT_STREQ(maths, row.joined);
    }
}

TEST(Compounds, RecognisesWholeFormulas) {
    struct Row {
        const char* text;
        bool compound;
    };
    const Row rows[] = {
        {"H2O", true},     {"2NaCl", true},        {"CuSO4*5H2O", true}, {"K4(Fe(CN)6)", true},
        {"(2H2O)", true},  {"CaSO4*0.5H2O", true}, {"CuSO4.5H2O", true}, {"NaCl+KCl", false},
        {"2", false},      {"NaCl*2", false},      {"-H2O", false},      {":48;(H2O)", false},
        {"H2O(2)", false}, {"CuSO4*", false},      {"", false},          {"(H2O", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(IsOneCompound(row.text), row.compound);
    }
}

TEST(Compounds, RefusesToGrowBeyondTheField) {
    // H*H*...*H of 637 characters is one compound; its brackets make 639.
    std::string text = "H";
    while (text.size() < 637) text += "*H";
    char maths[kMathsCapacity + 1];
    CopyText(maths, text.c_str());
    EXPECT_EQ(JoinCompounds(maths), kStatusTooLong);
    EXPECT_EQ(std::string(maths), text);  // unchanged

    text.resize(635);
    CopyText(maths, text.c_str());
    EXPECT_EQ(JoinCompounds(maths), 0);
    EXPECT_EQ(std::strlen(maths), 637u);
}

// Whatever the shape, a task gives a result or a message and the record's
// fields stay terminated within their capacity.
TEST(Compounds, HostileTasksEndInAnAnswerOrAMessage) {
    std::string deep(250, '(');
    deep += "2H2O";
    deep += std::string(250, ')');
    std::string longChain = "CuSO4";
    while (longChain.size() < 500) longChain += "*5H2O";
    std::string dots;
    while (dots.size() < 509) dots += "H\xb7";
    const std::string rows[] = {deep,           longChain, dots,       "CuSO4*",
                                "*5H2O",        "H0*H2O",  "1e300H2O", "(" + std::string(300, '(') + "H2O*NaCl",
                                "2\xb2\xb2\xb2"};
    for (const std::string& typed : rows) {
        SCOPED_TRACE(typed.substr(0, 40));
        TaskRecord record = MakeRecord();
        CopyText(record.szTask, typed.substr(0, kInputLineCapacity).c_str());
        const int result = CalculateTask(record);
        EXPECT_TRUE(result == -1 || result < kFirstStatus) << result;
        EXPECT_LE(std::strlen(record.szMaths), kMathsCapacity);
        EXPECT_NE(record.szAnswer[0], 0);
    }
}

}  // namespace
