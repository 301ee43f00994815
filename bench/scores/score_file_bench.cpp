// Loading and saving the score file: from memory, from a file, and the safe save with its flush
// to the disk, in a folder of the benchmark's own under the temporary folder.
#include "scores/score_file.h"
#include "scores/table_rules.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

HighscoreTable PlayedTable()
{
    HighscoreTable table;
    Generator generator;
    FillDefaults(table, generator);
    const std::int32_t sums[] = { 350000, 100000, 10000, 1000, 200, 100, 60, 50, 40, 20 };
    for (int place = 0; place < PlaceCount; ++place) {
        table.HighscorePoints[place] = sums[place];
    }
    return table;
}

class Folder
{
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "scores_bench.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern;
    }
    ~Folder() { fs::remove_all(path_); }
    fs::path File() const { return path_ / ScoreFileName; }

private:
    fs::path path_;
};

void ParseFromMemory(benchmark::State &state)
{
    const std::string bytes = ScoreFileBytes(PlayedTable());
    for (auto _ : state) {
        Generator generator;
        benchmark::DoNotOptimize(ParseScoreFile(bytes, generator));
    }
}
BENCHMARK(ParseFromMemory);

void LoadFromFile(benchmark::State &state)
{
    const Folder folder;
    if (!SaveScoreFile(PlayedTable(), folder.File())) {
        state.SkipWithError("cannot save");
        return;
    }
    HighscoreTable table;
    for (auto _ : state) {
        Generator generator;
        LoadScoreFile(table, generator, folder.File());
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(LoadFromFile);

void LoadWithoutFile(benchmark::State &state)
{
    const Folder folder;
    HighscoreTable table;
    for (auto _ : state) {
        Generator generator;
        LoadScoreFile(table, generator, folder.File());
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(LoadWithoutFile);

void FileBytes(benchmark::State &state)
{
    const HighscoreTable table = PlayedTable();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScoreFileBytes(table));
    }
}
BENCHMARK(FileBytes);

void SaveToFile(benchmark::State &state)
{
    const Folder folder;
    const HighscoreTable table = PlayedTable();
    for (auto _ : state) {
        if (!SaveScoreFile(table, folder.File())) {
            state.SkipWithError("cannot save");
            return;
        }
    }
}
BENCHMARK(SaveToFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
