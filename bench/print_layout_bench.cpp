// Layout of a history for printing against a sink that draws nothing: one
// pass over the text, so the time per line stays flat from 1,000 to 100,000
// lines (Google Benchmark fits the complexity).
#include <benchmark/benchmark.h>

#include <string>

#include "print_layout.h"

namespace {

class CountingSink : public PrintedPageSink {
public:
    void NextPage() override { ++pages; }
    void DrawLine(int, int, const char*, size_t length) override { characters += length; }
    long pages = 1;
    size_t characters = 0;
};

// History entries as the window writes them, every tenth with a task long
// enough to wrap.
std::string History(long lines) {
    std::string text;
    for (long i = 0; i < lines; i += 2) {
        text += "\r\n";
        text += i % 20 == 0 ? std::string(200, '7') + " = 7.77777777777778e+199" : "CuSO4*5H2O = 249.685";
        text += "\r\n";
    }
    return text;
}

void BM_LayOutHistory(benchmark::State& state) {
    const std::string text = History(state.range(0));
    // A4 at 300 dpi with a 25 x 50 pixel font: 75 characters, 58 lines a page.
    const PageGeometry geometry{300, 300, 75, 58, 50};
    for (auto _ : state) {
        CountingSink sink;
        LayOutHistory(text.data(), text.size(), geometry, PageRange{1, 65535}, sink);
        benchmark::DoNotOptimize(sink.characters);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LayOutHistory)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

}  // namespace
