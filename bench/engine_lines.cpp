// In-process throughput of the calculation driver over the lines of a file,
// as zentrabel-cli --batch calculates them (one record carried from line to
// line), without reading or writing: the yardstick for the console's own
// cost per line.
//
//   engine_lines FILE [PASSES]     prints "<lines/s> lines/s" (best pass; default 3 passes)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine.h"
#include "task_record.h"
#include "text.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [PASSES]\n", argv[0]);
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "engine_lines: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line.substr(0, kInputLineCapacity));
    const int passes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    double best = 0;
    size_t failed = 0;
    for (int pass = 0; pass < passes; ++pass) {
        TaskRecord record;
        ResetTaskRecord(record);
        failed = 0;
        const auto start = std::chrono::steady_clock::now();
        for (const std::string& line : lines) {
            CopyText(record.szTask, line.c_str());
            failed += CalculateTask(record) == -1;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::max(best, static_cast<double>(lines.size()) / took.count());
    }
    std::printf("%.0f lines/s (%zu lines, %zu failed)\n", best, lines.size(), failed);
    return 0;
}
