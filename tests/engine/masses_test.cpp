#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "masses.h"
#include "text.h"

namespace {

struct Row {
    const char* symbol;
    const char* mass;
};

// The elements by atomic number, 1 to 111, from the periodic table rather
// than from the program's table.
const char* const kElementsByNumber[] = {
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",  "S",  "Cl", "Ar", "K",
    "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr",
    "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La",
    "Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re", "Os",
    "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th", "Pa", "U",  "Np", "Pu", "Am",
    "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db", "Sg", "Bh", "Hs", "Mt", "Ds", "Rg",
};

double MassOf(const char* symbol) {
    char text[kMassTextSize];
    CopyText(text, symbol);
    if (LookUpAtomicMass(text) != 0) return -1;
    return std::strtod(text, nullptr);
}

TEST(AtomicMassTable, SortedUniqueAndWellFormed) {
    for (size_t i = 0; i < kAtomicMassCount; ++i) {
        const AtomicMass& entry = kAtomicMasses[i];
        SCOPED_TRACE(entry.symbol);
        if (i > 0) {
            EXPECT_LT(std::strcmp(kAtomicMasses[i - 1].symbol, entry.symbol), 0);
        }
        ASSERT_TRUE(IsUpper(entry.symbol[0]));
        EXPECT_TRUE(entry.symbol[1] == 0 || (IsLower(entry.symbol[1]) && entry.symbol[2] == 0));

        size_t length = std::strlen(entry.mass);
        EXPECT_GE(length, 2u);
        EXPECT_LT(length, kMassTextSize);
        EXPECT_TRUE(IsDigit(entry.mass[0]));
        EXPECT_TRUE(IsDigit(entry.mass[length - 1]));
        EXPECT_EQ(std::strspn(entry.mass, "0123456789."), length);
        const char* point = std::strchr(entry.mass, '.');
        if (point) {
            EXPECT_EQ(std::strchr(point + 1, '.'), nullptr);
        }
    }
}

// Exactly the elements 1 to 111, each found by its symbol.
TEST(AtomicMassTable, HoldsTheElementsUpToRoentgenium) {
    ASSERT_EQ(kAtomicMassCount, std::size(kElementsByNumber));
    std::set<std::string> symbols;
    for (size_t i = 0; i < kAtomicMassCount; ++i) symbols.insert(kAtomicMasses[i].symbol);
    for (const char* symbol : kElementsByNumber) {
        SCOPED_TRACE(symbol);
        EXPECT_EQ(symbols.count(symbol), 1u);
        EXPECT_GT(MassOf(symbol), 0);
    }
}

// Masses grow with the atomic number but for the pairs where the heavier
// isotopes of the lighter element outweigh (argon and potassium, cobalt and
// nickel, tellurium and iodine, ...) and lie between 1 and 2.7 times the
// number; a digit typed wrong breaks one or the other.
TEST(AtomicMassTable, MassesFollowTheAtomicNumber) {
    const std::set<std::string> heavierThanTheNext = {"Ar", "Co", "Te", "Th", "U", "Pu", "Hs", "Ds"};
    const size_t count = std::size(kElementsByNumber);
    for (size_t z = 1; z <= count; ++z) {
        const char* symbol = kElementsByNumber[z - 1];
        SCOPED_TRACE(symbol);
        const double mass = MassOf(symbol);
        EXPECT_GE(mass, 1.0 * static_cast<double>(z));
        EXPECT_LE(mass, 2.7 * static_cast<double>(z));
        if (z == count) break;
        const double next = MassOf(kElementsByNumber[z]);
        if (heavierThanTheNext.count(symbol)) {
            EXPECT_GT(mass, next);
        } else if (std::string(symbol) == "Cm") {
            EXPECT_EQ(mass, next);  // curium and berkelium: both 247
        } else {
            EXPECT_LT(mass, next);
        }
    }
}

// A mass is a whole mass number exactly for the elements without a standard
// atomic weight: technetium, promethium, and from polonium on all but
// thorium, protactinium and uranium.
TEST(AtomicMassTable, WholeNumbersForElementsWithoutAStandardWeight) {
    const std::set<std::string> weighed = {"Th", "Pa", "U"};
    for (size_t z = 1; z <= std::size(kElementsByNumber); ++z) {
        const std::string symbol = kElementsByNumber[z - 1];
        SCOPED_TRACE(symbol);
        char text[kMassTextSize];
        CopyText(text, symbol.c_str());
        ASSERT_EQ(LookUpAtomicMass(text), 0);
        const bool whole = symbol == "Tc" || symbol == "Pm" || (z >= 84 && !weighed.count(symbol));
        EXPECT_EQ(std::strchr(text, '.') == nullptr, whole) << text;
    }
}

// Molar masses of everyday compounds from the table's own masses, against
// their values in the chemistry literature.
TEST(AtomicMassTable, CompoundsWeighAsInTheLiterature) {
    struct Row {
        std::vector<std::pair<const char*, int>> atoms;
        double molarMass;
    };
    const Row rows[] = {
        {{{"H", 2}, {"O", 1}}, 18.015},
        {{{"Na", 1}, {"Cl", 1}}, 58.44},
        {{{"C", 6}, {"H", 12}, {"O", 6}}, 180.16},
        {{{"Ca", 1}, {"C", 1}, {"O", 3}}, 100.09},
        {{{"Cu", 1}, {"S", 1}, {"O", 4}}, 159.61},
        {{{"U", 1}, {"F", 6}}, 352.02},
        {{{"Ag", 1}, {"N", 1}, {"O", 3}}, 169.87},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.molarMass);
        double sum = 0;
        for (const auto& [symbol, count] : row.atoms) sum += count * MassOf(symbol);
        EXPECT_NEAR(sum, row.molarMass, 0.01);
    }
}

TEST(LookUpAtomicMass, Lookups) {
    const Row rows[] = {
        {"H", "1.00794"},      {"He", "4.002602"}, {"Na", "22.98976928"},  // one of the two longest, 11 characters
        {"Cs", "132.9054519"}, {"Dy", "162.500"},                          // trailing zeros are part of the text
        {"Mg", "24.3050"},     {"Te", "127.60"},   {"Tc", "98"},           // a whole mass number, no point
        {"Ds", "281"},  // no first-letter set lists these two, but they are elements
        {"Rg", "280"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.symbol);
        char text[kMassTextSize];
        CopyText(text, row.symbol);
        EXPECT_EQ(LookUpAtomicMass(text), 0);
        EXPECT_STREQ(text, row.mass);
    }
}

TEST(LookUpAtomicMass, UnknownSymbolsLeaveTheTextAlone) {
    const char* const symbols[] = {
        "D",  "T",  "A",   "E",  "G",  "L", "M", "R", "X", "Z", "J", "Q",  // no such one-letter symbol
        "Xx", "Uu", "Uub", "Hx",                                           // no such second letter
        "h",  "nA", "NA",  "e",                                            // no case folding
        "",   "1",  "(",   "H1", "H(",
    };
    for (const char* symbol : symbols) {
        SCOPED_TRACE(symbol);
        char text[kMassTextSize];
        CopyText(text, symbol);
        EXPECT_EQ(LookUpAtomicMass(text), 1013);
        EXPECT_STREQ(text, symbol);
    }
}

}  // namespace
