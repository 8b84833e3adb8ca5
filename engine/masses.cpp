#include "masses.h"

#include <array>
#include <cstring>
#include <iterator>

#include "engine.h"
#include "status.h"
#include "text.h"

// The standard atomic weights as the program has always used them: the
// IUPAC table of 2007 (Pure Appl. Chem. 81, 2131-2156, 2009), written with the
// digits it gives (uncertainties left out, trailing zeros kept: Dy 162.500).
// The values show which table it is: H 1.00794, C 12.0107, O 15.9994 and the
// other single values from before the 2009 table gave ranges for ten elements;
// Ge 72.64, before its 2009 revision to 72.630; and Zn 65.38, Mo 95.96,
// Lu 174.9668 and Yb 173.054, revised in 2007. An element without a stable
// isotope and without a standard weight has the mass number of its
// longest-lived isotope known then (Tc 98, Pu 244, Rg 280); Th, Pa and U keep
// their standard weights. Changing a value changes answers users rely on.
constexpr AtomicMass kAtomicMasses[] = {
    {"Ac", "227"},         {"Ag", "107.8682"},  {"Al", "26.9815386"}, {"Am", "243"},       {"Ar", "39.948"},
    {"As", "74.92160"},    {"At", "210"},       {"Au", "196.966569"}, {"B", "10.811"},     {"Ba", "137.327"},
    {"Be", "9.012182"},    {"Bh", "272"},       {"Bi", "208.98040"},  {"Bk", "247"},       {"Br", "79.904"},
    {"C", "12.0107"},      {"Ca", "40.078"},    {"Cd", "112.411"},    {"Ce", "140.116"},   {"Cf", "251"},
    {"Cl", "35.453"},      {"Cm", "247"},       {"Co", "58.933195"},  {"Cr", "51.9961"},   {"Cs", "132.9054519"},
    {"Cu", "63.546"},      {"Db", "268"},       {"Ds", "281"},        {"Dy", "162.500"},   {"Er", "167.259"},
    {"Es", "252"},         {"Eu", "151.964"},   {"F", "18.9984032"},  {"Fe", "55.845"},    {"Fm", "257"},
    {"Fr", "223"},         {"Ga", "69.723"},    {"Gd", "157.25"},     {"Ge", "72.64"},     {"H", "1.00794"},
    {"He", "4.002602"},    {"Hf", "178.49"},    {"Hg", "200.59"},     {"Ho", "164.93032"}, {"Hs", "277"},
    {"I", "126.90447"},    {"In", "114.818"},   {"Ir", "192.217"},    {"K", "39.0983"},    {"Kr", "83.798"},
    {"La", "138.90547"},   {"Li", "6.941"},     {"Lr", "262"},        {"Lu", "174.9668"},  {"Md", "258"},
    {"Mg", "24.3050"},     {"Mn", "54.938045"}, {"Mo", "95.96"},      {"Mt", "276"},       {"N", "14.0067"},
    {"Na", "22.98976928"}, {"Nb", "92.90638"},  {"Nd", "144.242"},    {"Ne", "20.1797"},   {"Ni", "58.6934"},
    {"No", "259"},         {"Np", "237"},       {"O", "15.9994"},     {"Os", "190.23"},    {"P", "30.973762"},
    {"Pa", "231.03588"},   {"Pb", "207.2"},     {"Pd", "106.42"},     {"Pm", "145"},       {"Po", "209"},
    {"Pr", "140.90765"},   {"Pt", "195.084"},   {"Pu", "244"},        {"Ra", "226"},       {"Rb", "85.4678"},
    {"Re", "186.207"},     {"Rf", "267"},       {"Rg", "280"},        {"Rh", "102.90550"}, {"Rn", "222"},
    {"Ru", "101.07"},      {"S", "32.065"},     {"Sb", "121.760"},    {"Sc", "44.955912"}, {"Se", "78.96"},
    {"Sg", "271"},         {"Si", "28.0855"},   {"Sm", "150.36"},     {"Sn", "118.710"},   {"Sr", "87.62"},
    {"Ta", "180.94788"},   {"Tb", "158.92535"}, {"Tc", "98"},         {"Te", "127.60"},    {"Th", "232.03806"},
    {"Ti", "47.867"},      {"Tl", "204.3833"},  {"Tm", "168.93421"},  {"U", "238.02891"},  {"V", "50.9415"},
    {"W", "183.84"},       {"Xe", "131.293"},   {"Y", "88.90585"},    {"Yb", "173.054"},   {"Zn", "65.38"},
    {"Zr", "91.224"},
};
constexpr size_t kAtomicMassCount = std::size(kAtomicMasses);

namespace {

constexpr bool IsSymbolText(const char* symbol) {
    bool capital = symbol[0] >= 'A' && symbol[0] <= 'Z';
    bool lower = symbol[1] >= 'a' && symbol[1] <= 'z';
    return capital && (symbol[1] == 0 || (lower && symbol[2] == 0));
}

// Byte order of two symbols of one or two letters.
constexpr bool SymbolBefore(const char* a, const char* b) {
    if (a[0] != b[0]) return a[0] < b[0];
    return a[1] < b[1];
}

constexpr bool TableIsWellFormed() {
    for (size_t i = 0; i < std::size(kAtomicMasses); ++i) {
        if (!IsSymbolText(kAtomicMasses[i].symbol)) return false;
        if (i > 0 && !SymbolBefore(kAtomicMasses[i - 1].symbol, kAtomicMasses[i].symbol)) return false;
        size_t length = 0;
        while (kAtomicMasses[i].mass[length]) ++length;
        if (length == 0 || length >= kMassTextSize) return false;
    }
    return true;
}
// A composition has room for every element of the table.
static_assert(std::size(kAtomicMasses) == kMaxCompositionElements);
static_assert(TableIsWellFormed());

// Index of the first entry of every capital letter (and one past the last),
// so a lookup scans only the few symbols of its capital.
constexpr std::array<unsigned char, 27> kFirstEntry = [] {
    std::array<unsigned char, 27> first{};
    size_t entry = 0;
    for (size_t letter = 0; letter <= 26; ++letter) {
        while (entry < std::size(kAtomicMasses) && static_cast<size_t>(kAtomicMasses[entry].symbol[0] - 'A') < letter)
            ++entry;
        first[letter] = static_cast<unsigned char>(entry);
    }
    return first;
}();

}  // namespace

int LookUpAtomicMass(char* text) {
    char capital = text[0];
    if (!IsUpper(capital)) return kStatusUnknownSymbol;
    char second = text[1];
    if (second != 0 && !IsLower(second)) return kStatusUnknownSymbol;

    size_t letter = static_cast<size_t>(capital - 'A');
    for (size_t i = kFirstEntry[letter]; i < kFirstEntry[letter + 1]; ++i) {
        if (kAtomicMasses[i].symbol[1] == second) {
            const char* mass = kAtomicMasses[i].mass;
            std::memcpy(text, mass, std::strlen(mass) + 1);
            return 0;
        }
    }
    return kStatusUnknownSymbol;
}
