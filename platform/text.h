#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Names are single-byte Windows-1252 text in the score table and its file; the widgets speak
// Unicode. These convert at the edge.

// Decodes Windows-1252 bytes. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control of the same value.
QString FromWindows1252(std::string_view bytes);
// Encodes text as Windows-1252, a character that Windows-1252 cannot hold as "?", and keeps at
// most maxBytes bytes (whole characters: every character is one byte).
std::string ToWindows1252(const QString &text, std::size_t maxBytes);

} // namespace platform
