#include "composition_output.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "engine.h"
#include "trace.h"

namespace {

std::string Digits(double value, std::chars_format format, int precision) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, format, precision);
    return std::string(text, result.ptr);
}

// Figures as the calculator shows them: up to 15 significant digits.
std::string Figure(double value) { return Digits(value, std::chars_format::general, 15); }

std::string Percent(double value) { return Digits(value, std::chars_format::fixed, 4); }

void Pad(std::string& out, const std::string& text, size_t width, bool right) {
    if (right) out.append(width > text.size() ? width - text.size() : 0, ' ');
    out += text;
    if (!right) out.append(width > text.size() ? width - text.size() : 0, ' ');
}

}  // namespace

void AppendShortest(std::string& out, double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

std::string CaretLine(size_t at) { return std::string(at, ' ') + "^"; }

bool AppendCompositionTable(std::string& out, const char* formula) {
    Composition composition;
    CompositionError error;
    if (ComposeFormula(formula, composition, error) != 0) {
        out.append(formula).append(": ").append(error.message).push_back('\n');
        if (error.status == kStatusUnknownSymbol) out.append(CaretLine(error.at)).push_back('\n');
        return false;
    }
    // Columns as wide as their widest entry.
    const std::string total = Figure(composition.mass);
    size_t symbolWidth = std::strlen("Element");
    size_t atomsWidth = std::strlen("Atoms");
    size_t massWidth = std::max(std::strlen("Mass"), total.size());
    const size_t percentWidth = std::strlen("100.0000");
    for (size_t k = 0; k < composition.count; ++k) {
        const ElementShare& share = composition.elements[k];
        atomsWidth = std::max(atomsWidth, Figure(share.atoms).size());
        massWidth = std::max(massWidth, Figure(share.mass).size());
    }
    auto row = [&](const std::string& symbol, const std::string& atoms, const std::string& mass,
                   const std::string& percent) {
        out += "  ";
        Pad(out, symbol, symbolWidth, false);
        out += "  ";
        Pad(out, atoms, atomsWidth, true);
        out += "  ";
        Pad(out, mass, massWidth, true);
        out += "  ";
        Pad(out, percent, percentWidth, true);
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out.push_back('\n');
    };
    out.append(formula).push_back('\n');
    row("Element", "Atoms", "Mass", "Percent");
    const bool weighs = composition.mass != 0;
    for (size_t k = 0; k < composition.count; ++k) {
        const ElementShare& share = composition.elements[k];
        row(share.symbol, Figure(share.atoms), Figure(share.mass), weighs ? Percent(share.percent) : "-");
    }
    row("Total", "", total, weighs ? Percent(100) : "-");
    return true;
}

bool AppendCompositionJson(std::string& out, const char* formula) {
    Composition composition;
    CompositionError error;
    const int status = ComposeFormula(formula, composition, error);
    out += "{\"formula\":";
    AppendJsonString(out, formula, std::strlen(formula));
    if (status != 0) {
        out += ",\"error\":";
        AppendJsonString(out, error.message, std::strlen(error.message));
        if (status == kStatusUnknownSymbol) {
            out += ",\"at\":" + std::to_string(error.at) + ",\"symbol\":";
            AppendJsonString(out, error.symbol, std::strlen(error.symbol));
        }
        out += "}\n";
        return false;
    }
    out += ",\"mass\":";
    AppendShortest(out, composition.mass);
    out += ",\"elements\":[";
    for (size_t k = 0; k < composition.count; ++k) {
        const ElementShare& share = composition.elements[k];
        if (k) out.push_back(',');
        out += "{\"symbol\":";
        AppendJsonString(out, share.symbol, std::strlen(share.symbol));
        out += ",\"atoms\":";
        AppendShortest(out, share.atoms);
        out += ",\"mass\":";
        AppendShortest(out, share.mass);
        out += ",\"percent\":";
        if (composition.mass != 0) AppendShortest(out, share.percent);
        else out += "null";
        out.push_back('}');
    }
    out += "]}\n";
    return true;
}
