// The score file: its bytes, how damaged files are read, and saving that never loses the old
// file. The save failures run in forked children, dropped to an unprivileged user where the test
// runs as root (permission bits do not stop root) or under a file-size limit for a full disk.
#include "scores/score_file.h"
#include "scores/table_rules.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using namespace std::string_literals;

HighscoreTable Defaults(int firstPlace, HighscoreTable table = {})
{
    Generator generator;
    FillDefaults(table, generator, firstPlace);
    return table;
}

HighscoreTable Parse(std::string_view bytes)
{
    Generator generator;
    return ParseScoreFile(bytes, generator);
}

// One record as the game writes it.
std::string Record(std::string_view name, std::string_view sumField)
{
    std::string record(name);
    record.resize(NameBufferSize, '\0');
    return record + std::string(sumField);
}

TEST(ScoreFileBytes, RecordsAreTheWholeBufferThenSpaceNumberSpace)
{
    HighscoreTable table;
    table.HighscoreNames[0] = Buffer("Paappa");
    std::fill(table.HighscoreNames[0].begin() + 7, table.HighscoreNames[0].end(), ' ');
    table.HighscorePoints[1] = 350000;
    table.HighscorePoints[2] = -5;
    const std::string bytes = ScoreFileBytes(table);
    EXPECT_EQ(bytes.substr(0, 23), "Paappa"s + '\0' + std::string(13, ' ') + " 0 ");
    EXPECT_EQ(bytes.substr(23 + 20, 8), " 350000 ");
    EXPECT_EQ(bytes.substr(23 + 28 + 20, 4), " -5 ");
    EXPECT_EQ(bytes.size(), 230u + 5 + 1);
}

// Names and sums that must come back unchanged, every byte of the buffers included.
HighscoreTable AwkwardTable()
{
    const NameBuffer names[] = {
        Buffer(" space first"),        Buffer(""),
        Buffer("1234567890123456789"), Buffer("ab\0after the zero\x01\xFF"s),
        Buffer("El\xE4kel\xE4inen"),
    };
    const std::int32_t sums[] = { 0, 350000, -5, 2147483647, -2147483647 - 1 };
    HighscoreTable table;
    for (int place = 0; place < PlaceCount; ++place) {
        table.HighscoreNames[place] = names[place % 5];
        table.HighscorePoints[place] = sums[(place + place / 5) % 5];
    }
    table.HighscoreNames[4].fill('\0');
    table.HighscoreNames[9].fill(' ');
    table.HighscoreNames[9][5] = '\0';
    return table;
}

TEST(ScoreFileBytes, EveryNameAndSumComesBackFromTheBytes)
{
    const HighscoreTable table = AwkwardTable();
    EXPECT_EQ(Parse(ScoreFileBytes(table)), table);
}

struct DamageCase
{
    const char *what;
    std::string bytes;
    HighscoreTable expected;
};

std::vector<DamageCase> DamageCases()
{
    const HighscoreTable good = NumberedTable({ 90, 80, 70, 60, 50, 40, 30, 20, 10, 0 });
    const std::string file = ScoreFileBytes(good);
    // Where record n begins in file.
    auto at = [&](int n) {
        std::size_t offset = 0;
        for (int i = 0; i < n; ++i) {
            offset += 20 + 2 + std::to_string(good.HighscorePoints[i]).size();
        }
        return offset;
    };
    auto withSum = [&](int place, std::int32_t sum) {
        HighscoreTable table = good;
        table.HighscorePoints[place] = sum;
        return table;
    };
    const std::string head = file.substr(0, at(2));
    const std::string tail = file.substr(at(3));
    const std::string name2 = file.substr(at(2), 20);
    auto sum2 = [&](std::string_view field) { return head + name2 + std::string(field) + tail; };

    HighscoreTable noZero = good;
    noZero.HighscoreNames[0] = Buffer("ABCDEFGHIJKLMNOPQRS");

    return {
        { "an empty file gives ten defaults", "", Defaults(0) },
        { "a file cut inside a name: defaults from that place", file.substr(0, at(3) + 7),
          Defaults(3, good) },
        { "a file cut after a name: the name stays with sum 0", file.substr(0, at(3) + 20),
          Defaults(4, withSum(3, 0)) },
        { "the last space missing changes nothing", file.substr(0, file.size() - 1), good },
        { "bytes after the tenth record are ignored", file + "ABC 123 junk", good },
        { "no number: name kept, sum 0, defaults after", sum2(" abc "),
          Defaults(3, withSum(2, 0)) },
        { "a sign alone is no number", sum2(" - "), Defaults(3, withSum(2, 0)) },
        { "0x without a hex digit is no number", sum2(" 0xg "), Defaults(3, withSum(2, 0)) },
        { "too large for 32 bits: sum 0, reading goes on", sum2(" 2147483648 "), withSum(2, 0) },
        { "too small for 32 bits: sum 0", sum2(" -2147483649 "), withSum(2, 0) },
        { "a hundred digits: sum 0", sum2(" " + std::string(100, '9') + " "), withSum(2, 0) },
        { "hex beyond 32 bits: sum 0", sum2(" 0xFFFFFFFF "), withSum(2, 0) },
        { "the smallest sum fits", sum2(" -2147483648 "), withSum(2, -2147483647 - 1) },
        { "white space before the number is skipped", sum2("\t\n\r\v\f 42 "), withSum(2, 42) },
        { "a plus sign", sum2(" +42 "), withSum(2, 42) },
        { "a leading 0 reads octal", sum2(" 017 "), withSum(2, 15) },
        { "0x reads hexadecimal", sum2(" -0x1F "), withSum(2, -31) },
        { "the byte after the number is taken whatever it is", sum2(" 77X"), withSum(2, 77) },
        { "an 8 ends an octal number and is the byte after it", sum2(" 078"), withSum(2, 7) },
        { "a name without a zero is cut to 19 bytes",
          Record("ABCDEFGHIJKLMNOPQRST", " 90 ") + file.substr(at(1)), noZero },
    };
}

TEST(ParseScoreFile, DamagedFilesGiveWholeNamesAndRealNumbers)
{
    for (const DamageCase &c : DamageCases()) {
        SCOPED_TRACE(c.what);
        const HighscoreTable table = Parse(c.bytes);
        EXPECT_EQ(table, c.expected);
        for (const NameBuffer &name : table.HighscoreNames) {
            EXPECT_NE(std::find(name.begin(), name.end(), '\0'), name.end());
        }
    }
}

// A fresh folder of the test's own, which an unprivileged user can enter.
class ScoreFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "scores_test.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        ::chmod(folder_.c_str(), 0755);
        file_ = folder_ / ScoreFileName;
    }
    void TearDown() override
    {
        ::chmod(folder_.c_str(), 0755);
        fs::remove_all(folder_);
    }

    static void Write(const fs::path &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Hands path to the unprivileged user that Unprivileged() runs as.
    static void GiveAway(const fs::path &path)
    {
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(path.c_str(), Nobody, Nobody), 0);
        }
    }

    struct Limits
    {
        bool unprivileged = false;
        rlim_t fileSize = RLIM_INFINITY;
    };
    // Runs save in a child process under limits; returns its result, or fails the test when
    // the child died.
    static bool InChild(const Limits &limits, const std::function<bool()> &save)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            if (limits.unprivileged && ::geteuid() == 0) {
                if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0
                    || ::setuid(Nobody) != 0) {
                    ::_exit(3);
                }
            }
            if (limits.fileSize != RLIM_INFINITY) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit { limits.fileSize, limits.fileSize };
                if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                    ::_exit(3);
                }
            }
            ::_exit(save() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << "the child died";
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    static constexpr uid_t Nobody = 65534;
    fs::path folder_;
    fs::path file_;
    const HighscoreTable oldTable_ = NumberedTable({ 9, 8, 7, 6, 5, 4, 3, 2, 1, 0 });
    const HighscoreTable newTable_ = AwkwardTable();
};

TEST_F(ScoreFolder, SaveAndLoadGiveBackEveryByte)
{
    ASSERT_TRUE(SaveScoreFile(newTable_, file_));
    EXPECT_EQ(Read(file_), ScoreFileBytes(newTable_));
    HighscoreTable loaded;
    Generator generator;
    const Generator before = generator;
    LoadScoreFile(loaded, generator, file_);
    EXPECT_EQ(loaded, newTable_);
    EXPECT_EQ(generator, before) << "a readable file takes no draws";
}

TEST_F(ScoreFolder, LoadWithoutAFileGivesTheDefaults)
{
    HighscoreTable loaded = oldTable_;
    Generator generator;
    LoadScoreFile(loaded, generator, file_);
    EXPECT_EQ(loaded, Defaults(0));
}

TEST_F(ScoreFolder, SaveInAnOrdinaryFolderReplacesTheFileWholeAndKeepsItsMode)
{
    ASSERT_TRUE(SaveScoreFile(oldTable_, file_)) << "without an old file";
    EXPECT_EQ(Read(file_), ScoreFileBytes(oldTable_));
    ASSERT_EQ(::chmod(file_.c_str(), 0640), 0);

    ASSERT_TRUE(SaveScoreFile(newTable_, file_)) << "over the old file";
    EXPECT_EQ(Read(file_), ScoreFileBytes(newTable_));
    struct stat status
    {
    };
    ASSERT_EQ(::stat(file_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(), std::vector<std::string> { std::string(ScoreFileName) })
        << "nothing is left beside the file";
}

TEST_F(ScoreFolder, SaveThroughALinkReplacesItsTargetAndKeepsTheLink)
{
    const fs::path target = folder_ / "elsewhere.scr";
    Write(target, ScoreFileBytes(oldTable_));
    fs::create_symlink(target.filename(), file_);
    ASSERT_TRUE(SaveScoreFile(newTable_, file_));
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(Read(target), ScoreFileBytes(newTable_));
}

TEST_F(ScoreFolder, AReadOnlyFileIsKeptForEveryUser)
{
    const std::string old = ScoreFileBytes(oldTable_);
    Write(file_, old);
    // No write bit: refused even for root, whom the bits do not stop.
    ASSERT_EQ(::chmod(file_.c_str(), 0444), 0);
    EXPECT_FALSE(SaveScoreFile(newTable_, file_));
    EXPECT_EQ(Read(file_), old);

    // A file that this user may not write, in a folder where a rename over it would succeed.
    ASSERT_EQ(::chmod(file_.c_str(), 0644), 0);
    GiveAway(folder_);
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(file_.c_str(), 0444), 0);
    }
    EXPECT_FALSE(
        InChild({ .unprivileged = true }, [&] { return SaveScoreFile(newTable_, file_); }));
    EXPECT_EQ(Read(file_), old);
    EXPECT_EQ(Entries(), std::vector<std::string> { std::string(ScoreFileName) });
}

TEST_F(ScoreFolder, AReadOnlyFolderWithAWritableFileIsWrittenInPlace)
{
    Write(file_, ScoreFileBytes(newTable_));
    GiveAway(file_);
    GiveAway(folder_);
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    const Limits unprivileged { .unprivileged = true };
    // The new table is shorter than the old one: the rest of the old file must go.
    EXPECT_TRUE(InChild(unprivileged, [&] { return SaveScoreFile(oldTable_, file_); }));
    EXPECT_EQ(Read(file_), ScoreFileBytes(oldTable_));

    const Limits fullDisk { .unprivileged = true, .fileSize = 100 };
    EXPECT_FALSE(InChild(fullDisk, [&] { return SaveScoreFile(newTable_, file_); }))
        << "a write error in place is still reported";
}

TEST_F(ScoreFolder, AReadOnlyFolderWithoutAFileFails)
{
    GiveAway(folder_);
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    EXPECT_FALSE(
        InChild({ .unprivileged = true }, [&] { return SaveScoreFile(newTable_, file_); }));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(ScoreFolder, AFullDiskLeavesTheOldFileAndNoLeftovers)
{
    const std::string old = ScoreFileBytes(oldTable_);
    Write(file_, old);
    EXPECT_FALSE(InChild({ .fileSize = 100 }, [&] { return SaveScoreFile(newTable_, file_); }));
    EXPECT_EQ(Read(file_), old);
    EXPECT_EQ(Entries(), std::vector<std::string> { std::string(ScoreFileName) });
}

TEST_F(ScoreFolder, AKillDuringASaveLeavesTheOldTableOrTheNewOneWhole)
{
    const std::string tables[] = { ScoreFileBytes(oldTable_), ScoreFileBytes(newTable_) };
    Write(file_, tables[0]);
    for (int saves = 1; saves <= 12; ++saves) {
        SCOPED_TRACE(saves);
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipe[0]);
            // Saves the two tables by turns until killed, telling the parent after each save.
            for (int i = 1;; ++i) {
                const bool saved = SaveScoreFile(i % 2 == 0 ? oldTable_ : newTable_, file_);
                const char done = saved ? 'y' : 'n';
                if (::write(pipe[1], &done, 1) != 1) {
                    ::_exit(1);
                }
            }
        }
        ::close(pipe[1]);
        // Wait for a number of whole saves, then kill the child somewhere in the next one.
        for (int i = 0; i < saves; ++i) {
            char done = 0;
            ASSERT_EQ(::read(pipe[0], &done, 1), 1);
            EXPECT_EQ(done, 'y');
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(pipe[0]);
        const std::string now = Read(file_);
        EXPECT_TRUE(now == tables[0] || now == tables[1]);
    }
}

} // namespace
