#include "quadratic.h"

#include <cmath>
#include <cstring>

#include "evaluator.h"
#include "number_text.h"
#include "status.h"
#include "task_record.h"
#include "text.h"

namespace {

// Copies [begin, end) into a coefficient text, less one leading "+" and one
// trailing "*" when asked.
bool TakeCoefficient(const char* begin, const char* end, bool dropPlus, bool dropStar, char* out) {
    if (dropPlus && begin < end && *begin == '+') ++begin;
    if (dropStar && begin < end && end[-1] == '*') --end;
    size_t length = static_cast<size_t>(end - begin);
    if (length > kCoefficientCapacity) return false;
    std::memcpy(out, begin, length);
    out[length] = 0;
    return true;
}

void WriteRoot(double root, char* out, size_t capacity) {
    // A root of -0 (from -b/a with b = 0) is shown as 0.
    if (root == 0) root = 0.0;
    if (!std::isfinite(root) || WriteGeneral(root, 15, out, capacity) == 0) {
        CopyText(out, capacity, kComplexNumberText);
    }
}

}  // namespace

int CutQuadratic(const char* maths, QuadraticTerms& terms) {
    const char* end = maths + std::strlen(maths);
    const char* p = std::strchr(maths, 'x');
    // The "x" and the two characters after it (normally "^2") are skipped
    // unread, so both must be there.
    if (p == nullptr || end - p < 3) return kStatusQuadratic;
    // The skipped characters are no exponent check, but an "x" among them
    // (`xx^2`, `x^x`) would otherwise vanish unread.
    if (p[1] == 'x' || p[2] == 'x') return kStatusQuadratic;

    if (maths[0] == '-' && maths[1] == 'x') {
        CopyText(terms.a, kCoefficientCapacity, "-1");
    } else if (maths[0] == 'x') {
        CopyText(terms.a, kCoefficientCapacity, "1");
    } else if (!TakeCoefficient(maths, p, false, true, terms.a)) {
        return kStatusTooLong;
    }

    const char* r = p + 3;
    const char* q = std::strchr(r, 'x');
    const char* constant = r;
    if (q == nullptr) {
        CopyText(terms.b, kCoefficientCapacity, "0");
    } else {
        constant = q + 1;
        if (q - r == 1) {
            CopyText(terms.b, kCoefficientCapacity, "1");
        } else if (q - r == 2 && r[0] == '+' && r[1] == '-') {
            CopyText(terms.b, kCoefficientCapacity, "-1");
        } else {
            if (!TakeCoefficient(r, q, true, true, terms.b)) return kStatusTooLong;
            // `x^2x` or `x^2+*x`: an "x" with no coefficient at all would
            // silently count as 0.
            if (terms.b[0] == 0) return kStatusQuadratic;
        }
    }

    // A further "x" would be read as the number 0 and give the roots of
    // another equation.
    if (std::strchr(constant, 'x') != nullptr) return kStatusQuadratic;
    if (!TakeCoefficient(constant, end, true, false, terms.c)) return kStatusTooLong;
    if (terms.c[0] == 0) CopyText(terms.c, kCoefficientCapacity, "0");
    return 0;
}

int ComputeRoots(double a, double b, double c, double& x1, double& x2) {
    // With a = 0 the formulas divide by zero; a linear equation is not complex.
    if (a == 0) return kStatusQuadratic;
    double twoA = a + a;
    if (c == 0) {
        x1 = -b / a;
        x2 = 0;
    } else if (b == 0) {
        // Not a number when -c / a < 0.
        double root = std::sqrt(-c / a);
        x1 = -root;
        x2 = root;
    } else {
        double d = b * b - (a * 4) * c;
        if (d == 0) {
            x1 = -b / twoA;
            x2 = x1;
        } else if (d > 0) {
            double root = std::sqrt(d);
            x1 = (-b - root) / twoA;
            x2 = (root - b) / twoA;
        } else {
            x1 = std::nan("");
            x2 = x1;
        }
    }
    return 0;
}

int SolveQuadratic(char* maths, char* result, int angleUnit) {
    QuadraticTerms terms;
    int status = CutQuadratic(maths, terms);
    double value[3] = {};
    if (status == 0) {
        char* texts[3] = {terms.a, terms.b, terms.c};
        for (int i = 0; i < 3 && status == 0; ++i) {
            status = EvaluateExpression(texts[i], texts[i], kCoefficientCapacity, angleUnit);
            if (status == 0) value[i] = ReadNumber(texts[i]);
        }
    }
    double x1 = 0;
    double x2 = 0;
    if (status == 0) status = ComputeRoots(value[0], value[1], value[2], x1, x2);
    if (status != 0) {
        GetStatusMessage(status, maths, kMathsCapacity);
        return kStatusQuadratic;
    }
    WriteRoot(x2, result, kResultCapacity);
    WriteRoot(x1, maths, kMathsCapacity);
    return 0;
}
