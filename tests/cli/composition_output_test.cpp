#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_support.h"
#include "composition_output.h"

namespace {

TEST(CompositionOutput, JsonObjectsCarryFullPrecisionOrTheRefusal) {
    struct Row {
        const char* formula;
        bool ok;
        const char* json;
    };
    const Row rows[] = {
        {"H2O", true,
         "{\"formula\":\"H2O\",\"mass\":18.01528,\"elements\":["
         "{\"symbol\":\"H\",\"atoms\":2,\"mass\":2.01588,\"percent\":11.189834407236523},"  // 100*2.01588/18.01528
         "{\"symbol\":\"O\",\"atoms\":1,\"mass\":15.9994,\"percent\":88.81016559276347}]}\n"},
        {"CuSO4*Xy", false,
         "{\"formula\":\"CuSO4*Xy\",\"error\":\"Unknown element symbol\",\"at\":6,\"symbol\":\"Xy\"}\n"},
        {"2+3", false, "{\"formula\":\"2+3\",\"error\":\"Not a chemical formula\"}\n"},
        {"H0", true,
         "{\"formula\":\"H0\",\"mass\":0,\"elements\":[{\"symbol\":\"H\",\"atoms\":0,\"mass\":0,\"percent\":null}]}\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formula);
        std::string out;
        EXPECT_EQ(AppendCompositionJson(out, row.formula), row.ok);
        EXPECT_EQ(out, row.json);
    }
}

TEST(CompositionOutput, TableColumnsLineUp) {
    std::string out;
    ASSERT_TRUE(AppendCompositionTable(out, "CaSO4*0.5H2O"));
    const auto lines = Lines(out);
    ASSERT_EQ(lines.size(), 7u);  // formula, heading, four elements, total
    EXPECT_EQ(lines[0], "CaSO4*0.5H2O");
    EXPECT_EQ(lines[1], "  Element  Atoms       Mass   Percent");
    EXPECT_EQ(lines[4], "  O          4.5    71.9973   49.6026");
    EXPECT_EQ(lines[6], "  Total           145.14824  100.0000");
    for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), lines[1].size()) << lines[i];
}

TEST(CompositionOutput, RefusalPointsAtTheUnknownSymbol) {
    std::string out;
    EXPECT_FALSE(AppendCompositionTable(out, "CuSO4*Xy"));
    EXPECT_EQ(out, "CuSO4*Xy: Unknown element symbol\n      ^\n");
    out.clear();
    EXPECT_FALSE(AppendCompositionTable(out, "sin(2)"));
    EXPECT_EQ(out, "sin(2): Not a chemical formula\n");
}

}  // namespace
