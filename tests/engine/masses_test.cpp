#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

#include "masses.h"
#include "text.h"

namespace {

struct Row {
    const char* symbol;
    const char* mass;
};

// The whole table, character for character, as the user sees it in the
// expression.
const Row kExpected[] = {
        {"Ac", "227"}, {"Ag", "107.8682"}, {"Al", "26.9815386"}, {"Am", "243"}, {"Ar", "39.948"},
        {"As", "74.92160"}, {"At", "210"}, {"Au", "196.966569"}, {"B", "10.811"},
        {"Ba", "137.327"}, {"Be", "9.012182"}, {"Bh", "272"}, {"Bi", "208.98040"}, {"Bk", "247"},
        {"Br", "79.904"}, {"C", "12.0107"}, {"Ca", "40.078"}, {"Cd", "112.411"}, {"Ce", "140.116"},
        {"Cf", "251"}, {"Cl", "35.453"}, {"Cm", "247"}, {"Co", "58.933195"}, {"Cr", "51.9961"},
        {"Cs", "132.9054519"}, {"Cu", "63.546"}, {"Db", "268"}, {"Ds", "281"}, {"Dy", "162.500"},
        {"Er", "167.259"}, {"Es", "252"}, {"Eu", "151.964"}, {"F", "18.9984032"}, {"Fe", "55.845"},
        {"Fm", "257"}, {"Fr", "223"}, {"Ga", "69.723"}, {"Gd", "157.25"}, {"Ge", "72.64"},
        {"H", "1.00794"}, {"He", "4.002602"}, {"Hf", "178.49"}, {"Hg", "200.59"},
        {"Ho", "164.93032"}, {"Hs", "277"}, {"I", "126.90447"}, {"In", "114.818"},
        {"Ir", "192.217"}, {"K", "39.0983"}, {"Kr", "83.798"}, {"La", "138.90547"},
        {"Li", "6.941"}, {"Lr", "262"}, {"Lu", "174.9668"}, {"Md", "258"}, {"Mg", "24.3050"},
        {"Mn", "54.938045"}, {"Mo", "95.96"}, {"Mt", "276"}, {"N", "14.0067"},
        {"Na", "22.98976928"}, {"Nb", "92.90638"}, {"Nd", "144.242"}, {"Ne", "20.1797"},
        {"Ni", "58.6934"}, {"No", "259"}, {"Np", "237"}, {"O", "15.9994"}, {"Os", "190.23"},
        {"P", "30.973762"}, {"Pa", "231.03588"}, {"Pb", "207.2"}, {"Pd", "106.42"}, {"Pm", "145"},
        {"Po", "209"}, {"Pr", "140.90765"}, {"Pt", "195.084"}, {"Pu", "244"}, {"Ra", "226"},
        {"Rb", "85.4678"}, {"Re", "186.207"}, {"Rf", "267"}, {"Rg", "280"}, {"Rh", "102.90550"},
        {"Rn", "222"}, {"Ru", "101.07"}, {"S", "32.065"}, {"Sb", "121.760"}, {"Sc", "44.955912"},
        {"Se", "78.96"}, {"Sg", "271"}, {"Si", "28.0855"}, {"Sm", "150.36"}, {"Sn", "118.710"},
        {"Sr", "87.62"}, {"Ta", "180.94788"}, {"Tb", "158.92535"}, {"Tc", "98"}, {"Te", "127.60"},
        {"Th", "232.03806"}, {"Ti", "47.867"}, {"Tl", "204.3833"}, {"Tm", "168.93421"},
        {"U", "238.02891"}, {"V", "50.9415"}, {"W", "183.84"}, {"Xe", "131.293"},
        {"Y", "88.90585"}, {"Yb", "173.054"}, {"Zn", "65.38"}, {"Zr", "91.224"},
};

TEST(AtomicMassTable, SortedUniqueAndWellFormed) {
    ASSERT_EQ(kAtomicMassCount, 111u);
    size_t wholeNumbers = 0;
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
        } else {
            ++wholeNumbers;
        }
    }
    EXPECT_EQ(wholeNumbers, 27u);
}

TEST(AtomicMassTable, EverySymbolGivesItsMassText) {
    ASSERT_EQ(std::size(kExpected), kAtomicMassCount);
    for (size_t i = 0; i < kAtomicMassCount; ++i) {
        const Row& row = kExpected[i];
        SCOPED_TRACE(row.symbol);
        EXPECT_STREQ(kAtomicMasses[i].symbol, row.symbol);
        char text[kMassTextSize];
        CopyText(text, row.symbol);
        EXPECT_EQ(LookUpAtomicMass(text), 0);
        EXPECT_STREQ(text, row.mass);
    }
}

TEST(LookUpAtomicMass, Lookups) {
    const Row rows[] = {
        {"H", "1.00794"},
        {"He", "4.002602"},
        {"Na", "22.98976928"},  // one of the two longest, 11 characters
        {"Cs", "132.9054519"},
        {"Dy", "162.500"},  // trailing zeros are part of the text
        {"Mg", "24.3050"},
        {"Te", "127.60"},
        {"Tc", "98"},  // a whole mass number, no point
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
        "D", "T", "A", "E", "G", "L", "M", "R", "X", "Z", "J", "Q",  // no such one-letter symbol
        "Xx", "Uu", "Uub", "Hx",  // no such second letter
        "h", "nA", "NA", "e",     // no case folding
        "", "1", "(", "H1", "H(",
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
