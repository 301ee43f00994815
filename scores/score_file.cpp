#include "scores/score_file.h"

#include "scores/table_rules.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int EndOfInput = -1;

// Bytes from memory.
class MemorySource
{
public:
    explicit MemorySource(std::string_view bytes)
        : bytes_(bytes)
    { }
    int Peek() const
    {
        return position_ < bytes_.size() ? static_cast<unsigned char>(bytes_[position_])
                                         : EndOfInput;
    }
    void Take()
    {
        if (position_ < bytes_.size()) {
            ++position_;
        }
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// Bytes from a file opened for reading; a read error ends the input like the end of the file.
class FileSource
{
public:
    explicit FileSource(std::FILE *file)
        : file_(file)
    { }
    int Peek()
    {
        if (!peeked_) {
            const int c = std::getc(file_);
            next_ = c == EOF ? EndOfInput : c;
            peeked_ = true;
        }
        return next_;
    }
    void Take()
    {
        Peek();
        peeked_ = false;
    }

private:
    std::FILE *file_;
    int next_ = EndOfInput;
    bool peeked_ = false;
};

bool IsWhiteSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(int c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

enum class Number { Read, OutOfRange, Missing };

// Reads a signed integer as the "%li" conversion does: white space skipped, an optional sign,
// then 0x or 0X for hexadecimal, a leading 0 for octal, else decimal. The longest run of digits
// is taken; a sign or a "0x" with no digit after it is no number.
template<typename Source> Number ReadNumber(Source &source, std::int32_t &value)
{
    while (IsWhiteSpace(source.Peek())) {
        source.Take();
    }
    bool negative = false;
    if (source.Peek() == '+' || source.Peek() == '-') {
        negative = source.Peek() == '-';
        source.Take();
    }
    int base = 10;
    bool haveDigit = false;
    if (source.Peek() == '0') {
        source.Take();
        if (source.Peek() == 'x' || source.Peek() == 'X') {
            source.Take();
            base = 16;
        } else {
            base = 8;
            haveDigit = true;
        }
    }
    // The magnitude stops growing past the limit, so that any number of digits is safe.
    const std::uint64_t limit = negative ? std::uint64_t(INT32_MAX) + 1 : std::uint64_t(INT32_MAX);
    std::uint64_t magnitude = 0;
    bool outOfRange = false;
    for (int digit = DigitValue(source.Peek()); digit < base; digit = DigitValue(source.Peek())) {
        source.Take();
        haveDigit = true;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) {
            outOfRange = true;
            magnitude = limit + 1;
        }
    }
    if (!haveDigit) {
        return Number::Missing;
    }
    if (outOfRange) {
        return Number::OutOfRange;
    }
    value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                     : static_cast<std::int32_t>(magnitude);
    return Number::Read;
}

template<typename Source> HighscoreTable Parse(Source &source, Generator &generator)
{
    HighscoreTable table;
    for (int place = 0; place < PlaceCount; ++place) {
        NameBuffer &name = table.HighscoreNames[place];
        for (char &byte : name) {
            const int c = source.Peek();
            if (c == EndOfInput) {
                FillDefaults(table, generator, place);
                return table;
            }
            byte = static_cast<char>(c);
            source.Take();
        }
        if (std::memchr(name.data(), '\0', name.size()) == nullptr) {
            name[MaxNameLength] = '\0';
        }
        std::int32_t sum = 0;
        const Number number = ReadNumber(source, sum);
        table.HighscorePoints[place] = number == Number::Read ? sum : 0;
        if (number == Number::Missing) {
            FillDefaults(table, generator, place + 1);
            return table;
        }
        source.Take(); // the one byte after the number, normally a space
    }
    return table;
}

// A file descriptor that closes itself unless closed explicitly.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd)
    { }
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    int Release() { return std::exchange(fd_, -1); }
    void Reset(int fd) { Descriptor old(std::exchange(fd_, fd)); }
    // Closes and tells whether the close reported no error.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes bytes over the file from its start and cuts it to their length: used only where the
// folder does not let a new file be made beside it.
bool WriteInPlace(const std::filesystem::path &path, std::string_view bytes)
{
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    return file.IsOpen() && WriteAll(file.Get(), bytes)
        && ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) == 0
        && ::fsync(file.Get()) == 0 && file.Close();
}

// Makes a new, empty file beside path, named after it with a leading dot, that no other file
// has. Sets errno and returns an empty path on failure.
std::filesystem::path CreateSibling(const std::filesystem::path &path, Descriptor &file,
                                    const std::optional<struct stat> &old)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = path;
        candidate.replace_filename("." + path.filename().string() + "." + std::to_string(::getpid())
                                   + "." + std::to_string(attempt) + ".tmp");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            Descriptor created(fd);
            if (old) {
                // The new file takes the old one's place: give it the old one's permissions
                // and, where allowed, its owner.
                if (::fchmod(fd, old->st_mode & 0777) != 0) {
                    const int error = errno;
                    ::unlink(candidate.c_str());
                    errno = error;
                    return {};
                }
                [[maybe_unused]] const int owned = ::fchown(fd, old->st_uid, old->st_gid);
            }
            file.Reset(created.Release());
            return candidate;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

void SyncFolder(const std::filesystem::path &path)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen()) {
        ::fsync(directory.Get());
    }
}

} // namespace

std::string ScoreFileBytes(const HighscoreTable &table)
{
    std::string bytes;
    bytes.reserve(PlaceCount * (NameBufferSize + 13));
    for (int place = 0; place < PlaceCount; ++place) {
        bytes.append(table.HighscoreNames[place].data(), NameBufferSize);
        bytes += ' ';
        bytes += std::to_string(table.HighscorePoints[place]);
        bytes += ' ';
    }
    return bytes;
}

HighscoreTable ParseScoreFile(std::string_view bytes, Generator &generator)
{
    MemorySource source(bytes);
    return Parse(source, generator);
}

HighscoreTable ReadScoreFile(std::FILE *file, Generator &generator)
{
    FileSource source(file);
    return Parse(source, generator);
}

void LoadScoreFile(HighscoreTable &table, Generator &generator, const std::filesystem::path &path)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        FillDefaults(table, generator);
        return;
    }
    table = ReadScoreFile(file, generator);
    std::fclose(file);
}

bool SaveScoreFile(const HighscoreTable &table, const std::filesystem::path &path)
{
    std::filesystem::path target = path;
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        // Replace the file that the link points to, and keep the link.
        target = std::filesystem::weakly_canonical(path, error);
        if (error) {
            return false;
        }
    }

    std::optional<struct stat> old;
    struct stat status
    {
    };
    if (::stat(target.c_str(), &status) == 0) {
        old = status;
        const bool anyWriteBit = (status.st_mode & 0222) != 0;
        if (!anyWriteBit || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return false;
        }
    } else if (errno != ENOENT) {
        return false;
    }

    const std::string bytes = ScoreFileBytes(table);
    Descriptor file;
    const std::filesystem::path sibling = CreateSibling(target, file, old);
    if (sibling.empty()) {
        const bool folderReadOnly = errno == EACCES || errno == EPERM;
        return folderReadOnly && old && WriteInPlace(target, bytes);
    }
    const bool complete = WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0 && file.Close()
        && ::rename(sibling.c_str(), target.c_str()) == 0;
    if (!complete) {
        ::unlink(sibling.c_str());
        return false;
    }
    SyncFolder(target);
    return true;
}
