#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine.h"
#include "masses.h"
#include "number_text.h"
#include "status.h"
#include "test_support.h"

namespace {

struct Atoms {
    const char* symbol;
    double atoms;
};

double MassOf(const char* symbol) {
    char text[kMassTextSize] = {symbol[0], symbol[1], 0};
    EXPECT_EQ(LookUpAtomicMass(text), 0) << symbol;
    return ReadNumber(text);
}

TEST(Composition, CountsTheAtomsOfEveryElementInOrderOfAppearance) {
    struct Row {
        const char* formula;
        std::vector<Atoms> elements;
    };
    const Row rows[] = {
        {"H2O", {{"H", 2}, {"O", 1}}},
        {"CuSO4*5H2O", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}},
        {"CaSO4*0.5H2O", {{"Ca", 1}, {"S", 1}, {"O", 4.5}, {"H", 1}}},  // fractional where the formula says so
        {"K4[Fe(CN)6]", {{"K", 4}, {"Fe", 1}, {"C", 6}, {"N", 6}}},
        {"(NH4)2SO4", {{"N", 2}, {"H", 8}, {"S", 1}, {"O", 4}}},
        {"2NaCl", {{"Na", 2}, {"Cl", 2}}},
        {"2CaSO4*H2O", {{"Ca", 2}, {"S", 2}, {"O", 9}, {"H", 2}}},
        {"cuso4*(nh4)2so4*6h2o", {{"Cu", 1}, {"S", 2}, {"O", 14}, {"N", 2}, {"H", 20}}},
        {"(2H2O)", {{"H", 4}, {"O", 2}}},
        {"CuSO4\xb7"
         "5H2O",
         {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}},
        {"{[(C6H5)]2O}", {{"C", 12}, {"H", 10}, {"O", 1}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formula);
        Composition composition;
        CompositionError error;
        ASSERT_EQ(ComposeFormula(row.formula, composition, error), 0) << error.message;
        ASSERT_EQ(composition.count, row.elements.size());
        for (size_t k = 0; k < composition.count; ++k) {
            EXPECT_STREQ(composition.elements[k].symbol, row.elements[k].symbol);
            EXPECT_DOUBLE_EQ(composition.elements[k].atoms, row.elements[k].atoms);
        }
    }
}

// What must hold of every breakdown: the total is the calculator's answer,
// the parts add up to it, each part is its atoms times the element's mass,
// and the percents add up to 100.
TEST(Composition, AgreesWithTheCalculator) {
    const char* formulas[] = {"CuSO4*5H2O",   "KAl(SO4)2*12H2O", "C6H12O6",          "Ca3(PO4)2",
                              "UF6",          "(C2H4)50",        "Fe2(SO4)3*9H2O",   "3CdSO4*8H2O",
                              "CaSO4*0.5H2O", "[Co(NH3)6]Cl3",   "C1000000H2000002", "Na0.5Cl0.5"};
    for (const char* formula : formulas) {
        SCOPED_TRACE(formula);
        Composition composition;
        CompositionError error;
        ASSERT_EQ(ComposeFormula(formula, composition, error), 0) << error.message;
        TaskRecord record = MakeRecord(formula);
        ASSERT_EQ(CalculateTask(record), kKindFormula);
        EXPECT_EQ(composition.mass, ReadNumber(record.szResult));
        double parts = 0;
        double percents = 0;
        for (size_t k = 0; k < composition.count; ++k) {
            const ElementShare& share = composition.elements[k];
            EXPECT_NEAR(share.mass, share.atoms * MassOf(share.symbol), 1e-12 * composition.mass) << share.symbol;
            parts += share.mass;
            percents += share.percent;
        }
        EXPECT_NEAR(parts, composition.mass, 1e-12 * composition.mass);
        EXPECT_NEAR(percents, 100, 1e-9);
    }
}

TEST(Composition, RefusesWhatIsNoFormula) {
    struct Row {
        const char* text;
        int status;
        size_t at;  // for an unknown symbol
        const char* symbol;
    };
    const Row rows[] = {
        {"2+3", kStatusNotAFormula, 0, ""},
        {"NaCl+KCl", kStatusNotAFormula, 0, ""},  // a sum of formulas is arithmetic
        {"NaCl*2", kStatusNotAFormula, 0, ""},
        {"sin(NaCl)", kStatusNotAFormula, 0, ""},
        {"pi", kStatusNotAFormula, 0, ""},
        {"H2O*ans", kStatusNotAFormula, 0, ""},
        {"-H2O", kStatusNotAFormula, 0, ""},
        {"x^2-1", kStatusNotAFormula, 0, ""},
        {"#fix 4", kStatusNotAFormula, 0, ""},
        {"", kStatusNotAFormula, 0, ""},
        {"CuSO4*", kStatusNotAFormula, 0, ""},
        {"*5H2O", kStatusNotAFormula, 0, ""},
        {"1e300H2O", kStatusNotAFormula, 0, ""},
        {"CuSO4*Xy", kStatusUnknownSymbol, 6, "Xy"},
        {" .5 Xx", kStatusUnknownSymbol, 4, "Xx"},  // the place in the text as given
        {"H2O*Qq*Xx", kStatusUnknownSymbol, 4, "Qq"},
        {"H9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
         "99999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
         "99999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
         "9999999999999999999",
         kStatusIndeterminate, 0, ""},  // the calculator's own answer for it
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Composition composition;
        CompositionError error;
        EXPECT_EQ(ComposeFormula(row.text, composition, error), row.status);
        EXPECT_EQ(error.status, row.status);
        EXPECT_NE(error.message[0], 0);
        if (row.status == kStatusUnknownSymbol) {
            EXPECT_EQ(error.at, row.at);
            EXPECT_STREQ(error.symbol, row.symbol);
        }
    }
    Composition composition;
    CompositionError error;
    EXPECT_EQ(ComposeFormula(std::string(510, 'H').c_str(), composition, error), kStatusTooLong);
    EXPECT_STREQ(error.message, "Expression is too long");
    ComposeFormula("2", composition, error);
    EXPECT_STREQ(error.message, kNotAFormulaText);
}

TEST(Composition, FindsTheUnknownSymbolWhereItWasTyped) {
    struct Row {
        const char* typed;
        bool found;
        size_t at;
        const char* symbol;
    };
    const Row rows[] = {
        {"2*sin(3)+ Xx", true, 10, "Xx"},  // names before it are marked and shortened
        {"sqrt(Qq)", true, 5, "Qq"},
        {"NaCl + arccos(0.5) * Jj", true, 21, "Jj"},
        {"xx", true, 0, "Xx"},
        {"Xx+ans", true, 0, "Xx"},
        {"H2O", false, 0, ""},
        {"sin(30)", false, 0, ""},
        {"2+3", false, 0, ""},
        {"x^2+1", false, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        size_t at = 99;
        char symbol[3] = {};
        ASSERT_EQ(LocateUnknownSymbol(row.typed, at, symbol), row.found);
        if (!row.found) continue;
        EXPECT_EQ(at, row.at);
        EXPECT_STREQ(symbol, row.symbol);
        // It is the symbol the calculator stumbles over.
        TaskRecord record = MakeRecord(row.typed);
        EXPECT_EQ(CalculateTask(record), -1);
        EXPECT_STREQ(record.szAnswer, "Unknown element symbol");
    }
}

}  // namespace
