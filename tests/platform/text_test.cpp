#include "platform/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::FromWindows1252;
using platform::ToWindows1252;

struct EncodeCase
{
    QString text;
    std::size_t maxBytes;
    std::string bytes;
};

TEST(Windows1252, EncodesCutsAndReplaces)
{
    const std::vector<EncodeCase> cases = {
        { QStringLiteral("Eläkeläinen"), 19, "El\xe4kel\xe4inen" },
        { QStringLiteral("Öljy €5"), 19,
          "\xd6ljy \x80"
          "5" },
        { QStringLiteral("Αθήνα"), 19, "?????" },
        { QStringLiteral("a\U0001F600b"), 19, "a?b" }, // one character outside the basic plane
        { QStringLiteral("12345678901234567890123"), 19, "1234567890123456789" },
        { QStringLiteral("äääääääääääääääääääää"), 19, std::string(19, '\xe4') },
        { QString(), 19, "" },
    };
    for (const EncodeCase &c : cases) {
        EXPECT_EQ(ToWindows1252(c.text, c.maxBytes), c.bytes) << c.text.toStdString();
    }
}

TEST(Windows1252, EveryByteDecodesToOneCharacterAndBack)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const QString text = FromWindows1252(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(ToWindows1252(text, 255), all);
    EXPECT_EQ(FromWindows1252("\xe4\xf6\x80"), QStringLiteral("äö€"));
}

} // namespace
