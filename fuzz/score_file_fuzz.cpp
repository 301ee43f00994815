// Fuzzes the score-file loader. Whatever the bytes: no crash and no undefined behaviour, every
// name ends with its zero within its buffer, reading from a file gives what reading from memory
// gives, and the table read comes back unchanged through the bytes the game would save for it.
#include "scores/score_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char *what)
{
    std::fprintf(stderr, "score file fuzz: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    Generator generator;
    const HighscoreTable table = ParseScoreFile(bytes, generator);
    for (const NameBuffer &name : table.HighscoreNames) {
        if (std::memchr(name.data(), '\0', name.size()) == nullptr) {
            Fail("a name without its zero");
        }
    }

    if (size > 0) {
        std::FILE *file = fmemopen(const_cast<std::uint8_t *>(data), size, "rb");
        if (file == nullptr) {
            Fail("fmemopen failed");
        }
        Generator fromFile;
        const HighscoreTable read = ReadScoreFile(file, fromFile);
        std::fclose(file);
        if (!(read == table) || !(fromFile == generator)) {
            Fail("reading a file differs from reading memory");
        }
    }

    Generator again;
    if (!(ParseScoreFile(ScoreFileBytes(table), again) == table)) {
        Fail("the table does not come back through its own bytes");
    }
    return 0;
}
