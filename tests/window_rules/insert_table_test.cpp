// The Insert menu's table: its invariants, and that every text it inserts is
// one the engine understands.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <set>
#include <string>

#include "engine.h"
#include "insert_table.h"
#include "number_text.h"
#include "task_record.h"
#include "text.h"

namespace {

enum class Group { kFragment, kConstant, kFunction, kValueName, kFactorial, kTemplate };

struct ItemGroup {
    int first;
    int last;
    Group group;
};

const ItemGroup kGroups[] = {
    {2201, 2214, Group::kFragment},  {2215, 2221, Group::kConstant}, {2222, 2222, Group::kFragment},
    {2231, 2239, Group::kConstant},  {2251, 2281, Group::kFunction}, {2282, 2284, Group::kValueName},
    {2285, 2285, Group::kFactorial}, {2286, 2286, Group::kTemplate},
};

Group GroupOf(int id) {
    for (const ItemGroup& group : kGroups) {
        if (id >= group.first && id <= group.last) return group.group;
    }
    ADD_FAILURE() << "no group for " << id;
    return Group::kTemplate;
}

TaskRecord Calculate(const std::string& task, int& kind) {
    TaskRecord record;
    ResetTaskRecord(record);
    CopyText(record.szAnswer, "2");
    CopyText(record.szResult, "2");
    CopyText(record.szMemory, "3");
    CopyText(record.szTask, task.c_str());
    kind = CalculateTask(record);
    return record;
}

TEST(InsertTable, SortedUniqueAndComplete) {
    std::set<int> ids;
    int previous = 0;
    for (const InsertItem& item : kInsertItems) {
        SCOPED_TRACE(item.id);
        EXPECT_GT(item.id, previous);
        previous = item.id;
        EXPECT_TRUE(ids.insert(item.id).second);
        EXPECT_NE(item.text[0], 0);
        EXPECT_STREQ(InsertedText(item.id), item.text);
    }
    // Every item of the menu has a row: 15 fragments, 16 constants, 20
    // trigonometric and hyperbolic, 16 other functions and names.
    EXPECT_EQ(ids.size(), 67u);
    EXPECT_EQ(kFirstInsertId, 2201);
    EXPECT_EQ(kLastInsertId, 2286);
    for (int id : {2200, 2223, 2230, 2240, 2250, 2287, 2302}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(InsertedText(id), nullptr);
    }
}

TEST(InsertTable, SecantItemsInsertTheirNames) {
    const std::pair<int, const char*> rows[] = {
        {IDM_FUNCTION_SEC, "sec"}, {IDM_FUNCTION_CSC, "csc"}, {IDM_FUNCTION_ASEC, "asec"}, {IDM_FUNCTION_ACSC, "acsc"}};
    for (const auto& [id, name] : rows) {
        SCOPED_TRACE(name);
        EXPECT_STREQ(InsertedText(id), name);
    }
}

TEST(InsertTable, EngineUnderstandsEveryText) {
    for (const InsertItem& item : kInsertItems) {
        SCOPED_TRACE(item.text);
        int kind = 0;
        switch (GroupOf(item.id)) {
        case Group::kFragment: {
            std::string text = item.text;
            EXPECT_EQ(text.front(), '(');
            EXPECT_EQ(text.back(), ')');
            Calculate(text, kind);
            EXPECT_EQ(kind, kKindFormula);
            break;
        }
        case Group::kConstant: {
            TaskRecord record = Calculate(item.text, kind);
            EXPECT_EQ(kind, kKindPlain) << record.szAnswer;
            double value = ReadNumber(item.text);
            EXPECT_NEAR(ReadNumber(record.szResult) / value, 1.0, 1e-14);
            break;
        }
        case Group::kFunction: {
            // Some function accepts 2, the others 0.5 (acosh and asec need at
            // least 1, atanh less than 1).
            TaskRecord two = Calculate(std::string(item.text) + "(2)", kind);
            if (kind == -1) Calculate(std::string(item.text) + "(0.5)", kind);
            EXPECT_EQ(kind, kKindFunctions) << two.szAnswer;
            break;
        }
        case Group::kValueName: {
            TaskRecord record = Calculate(std::string("2*") + item.text, kind);
            EXPECT_EQ(kind, kKindFunctions) << record.szAnswer;
            break;
        }
        case Group::kFactorial: {
            TaskRecord record = Calculate(std::string("4") + item.text, kind);
            EXPECT_STREQ(record.szResult, "24");
            break;
        }
        case Group::kTemplate: {
            // The user completes the template before pressing Enter.
            Calculate(std::string(item.text) + "-6", kind);
            EXPECT_EQ(kind, kKindQuadratic);
            break;
        }
        }
    }
}

}  // namespace
