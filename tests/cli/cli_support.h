// Helpers shared by the console calculator's tests.
#pragma once

#include <string>
#include <vector>

// The lines of `text`, each without its LF (a CR before it stays); a last
// line without an LF counts, an LF at the very end starts no empty line.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1)
        lines.push_back(text.substr(start, lf - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}
