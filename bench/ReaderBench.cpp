// Readers fed what a damaged file may hold: one settings key with tens of
// thousands of values, a settings key nested far too deep, and a record database
// of tens of thousands of groups.
//
//   build/bin/reader_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "common/omAsciiDB.h"
#include "platform/core/FileIO.h"
#include "platform/storage/CSettingsStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string keyOfManyValues(int values) {
    std::string text = "[Software\\Orvex\\Strakon\\Large]\n";
    for (int i = 0; i < values; ++i)
        text += "\"Value " + std::to_string(i) + "\"=dword:" + std::to_string(10000000 + i) + "\n";
    return text;
}

void BM_ParseKeyOfManyValues(benchmark::State& state) {
    const std::string text = keyOfManyValues(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CSettingsStore::Key root;
        CSettingsStore::Parse(text, root);
        benchmark::DoNotOptimize(root.subkeys.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseKeyOfManyValues)->Arg(4000)->Arg(40000)->Unit(benchmark::kMillisecond);

// Reading the file and writing it back, as the program does at its first
// setting and its exit.
void BM_FormatKeyOfManyValues(benchmark::State& state) {
    CSettingsStore::Key root;
    CSettingsStore::Parse(keyOfManyValues(static_cast<int>(state.range(0))), root);
    for (auto _ : state)
        benchmark::DoNotOptimize(CSettingsStore::Format(root).size());
}
BENCHMARK(BM_FormatKeyOfManyValues)->Arg(40000)->Unit(benchmark::kMillisecond);

void BM_ParseKeyNestedTooDeep(benchmark::State& state) {
    std::string text = "[K";
    for (std::int64_t i = 1; i < state.range(0); ++i)
        text += "\\K";
    text += "]\n\"v\"=dword:00000001\n[Software\\Orvex]\n\"Kept\"=dword:00000002\n";
    for (auto _ : state) {
        CSettingsStore::Key root;
        std::vector<std::string> problems;
        CSettingsStore::Parse(text, root, &problems);
        benchmark::DoNotOptimize(problems.size());
    }
}
BENCHMARK(BM_ParseKeyNestedTooDeep)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

class Line : public omAsciiRecord {
public:
    static constexpr const char* names[] = {"Name"};
    Line() : omAsciiRecord("1", names) {}
    bool write(std::ostream& out) const override {
        omWriteString(name, out);
        out << '\n';
        return true;
    }
    int read(std::istream& in) override {
        if (isEnd(in)) return 0;
        if (omReadString(name, in) < 0) return -1;
        nextLine(in);
        return 1;
    }
    unsigned numberOfFields() const override { return 1; }
    std::string field(unsigned i) const override { return i == 0 ? name : std::string(); }
    std::string name;
};

void BM_LoadDatabaseOfManyGroups(benchmark::State& state) {
    std::string text;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        text += "[G" + std::to_string(i) + "]\n\"record\"\n";
    char folder[] = "/tmp/strakon-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path path = std::filesystem::path(folder) / "groups.db";
    fileio::writeFileAtomically(path, text);
    for (auto _ : state) {
        omAsciiDB<Line> db(path);
        benchmark::DoNotOptimize(db.getRecords("G0").size());
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_LoadDatabaseOfManyGroups)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
