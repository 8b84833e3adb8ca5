// The engine must not allocate: every text lives in the record or in fixed
// working buffers. Counts every operator new while tasks are calculated.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine.h"
#include "task_record.h"
#include "test_support.h"

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
    if (gCounting) ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(Allocation, CalculateTaskAllocatesNothing) {
    // clang-format off
    const char* const tasks[] = {
        "2^10/3", "(12.5+3)*4-7/2", "((1+2)*(3+4))/5", "1/3*3", "5/0", "", "*2", "1e999",
        "sin(30)+ln(2)", "sqrt(2)*cos(pi/3)", "5!/3", "CuSO4*5H2O", "Ca(OH)2", "(NH4)2SO4",
        "K4[Fe(CN)6]", "nacl", "x^2-5x+6", "x^2+1", "#fix 4", "#mem", "#mem+", "2*mem", "ans*2",
        "#sci", "#dig 1", "#comma", "1234567.891", "#auto", "Xx",
    };
    // clang-format on
    TaskRecord record = MakeRecord();
    gAllocations = 0;
    gCounting = true;
    for (int round = 0; round < 3; ++round) {
        for (const char* task : tasks) {
            CopyText(record.szTask, task);
            CalculateTask(record);
        }
    }
    gCounting = false;
    EXPECT_EQ(gAllocations.load(), 0);
}

}  // namespace
