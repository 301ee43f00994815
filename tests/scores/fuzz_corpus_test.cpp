// Replays the fuzz corpus through the fuzz target's entry function, so that every input the
// fuzzer was seeded with or has found keeps passing its checks in an ordinary build. A failing
// check aborts; the last file named on standard error is the culprit.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

TEST(FuzzCorpus, EveryInputPassesTheFuzzChecks)
{
    int replayed = 0;
    for (const auto &entry : std::filesystem::directory_iterator(KIMALLUS_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(in), {} };
        std::cerr << "replaying " << entry.path().filename() << '\n';
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << "the corpus is missing";
}
