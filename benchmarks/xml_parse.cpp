// Parsing a difficulty-style document of about 1 MB with the tree reader
// (the game reads five such files at start-up; ours are far smaller).
#include <benchmark/benchmark.h>

#include <string>

#include "data/XMLDocument.h"

namespace {
constexpr size_t kDocumentBytes = 1024 * 1024;

std::string DifficultyDocument() {
    std::string text =
        "<?xml version=\"1.0\"?>\r\n<!-- generated for the benchmark -->\r\n<Difficulty>\r\n"
        "\t<GLOBAL_SPEED_ADD>0.25</GLOBAL_SPEED_ADD>\r\n\t<GLOBAL_TYPES_ADD>1</GLOBAL_TYPES_ADD>\r\n";
    for (int level = 0; text.size() < kDocumentBytes; ++level) {
        text += "\t<level name=\"Level" + std::to_string(level) +
                "\">\r\n\t\t<Progress>1200</Progress>\r\n"
                "\t\t<DisplayName>A \"quoted\" title</DisplayName>\r\n\t\t<Rush>0.3</Rush>\r\n";
        for (int wave = 0; wave < 6; ++wave) {
            text +=
                "\t\t<Wave REPEAT=\"no\" Copies=\"2\">\r\n\t\t\t<Count>40</Count>\r\n\t\t\t<Types>5</Types>\r\n"
                "\t\t\t<Speed>1.35</Speed>\r\n\t\t\t<Delay_Ticks>300</Delay_Ticks>\r\n"
                "\t\t\t<Robot_Trigger>20</Robot_Trigger>\r\n\t\t\t<Same_Type_Probability>40</Same_Type_Probability>\r\n"
                "\t\t</Wave>\r\n";
        }
        text += "\t</level>\r\n";
    }
    return text + "</Difficulty>\r\n";
}
}  // namespace

static void ParseDifficultyDocument(benchmark::State& state) {
    const std::string text = DifficultyDocument();
    XMLDocument document;
    for (auto _ : state) {
        document.Parse(text.c_str());
        benchmark::DoNotOptimize(document.tags.data());
    }
    if (document.error != 0) state.SkipWithError("the document did not parse");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(ParseDifficultyDocument)->Unit(benchmark::kMillisecond);
