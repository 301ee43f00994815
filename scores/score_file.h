#pragma once

#include "scores/highscore_table.h"
#include "ticket/random.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// The score file: ten records, place 0 first, each the whole 20-byte name buffer followed by the
// sum written as " %li " (a space, the decimal digits with a minus sign when negative, a space).
// No header, no count, no line breaks.
inline constexpr std::string_view ScoreFileName = "HELMALA.SCR";

// The file's bytes for table.
std::string ScoreFileBytes(const HighscoreTable &table);

// Reads score-file bytes as the game reads its file: per record the 20 name bytes, then white
// space skipped and a signed integer read as "%li" reads it (decimal, 0 octal, 0x hexadecimal),
// then exactly one byte after the number. Bytes after the tenth record are not looked at.
// A damaged file never yields a name without its zero nor a sum from something not a number:
// - a name whose 20 bytes hold no zero is cut to its first 19 bytes;
// - a number that does not fit a signed 32-bit sum gives the sum 0, and reading goes on;
// - where the file ends or no number follows a name, reading stops: a place whose 20 name bytes
//   were read keeps its name with the sum 0, and the places the file did not fill get default
//   entries drawn from generator, as for a missing file.
HighscoreTable ParseScoreFile(std::string_view bytes, Generator &generator);

// The same, reading from file (opened for reading in binary mode) up to the tenth record.
HighscoreTable ReadScoreFile(std::FILE *file, Generator &generator);

// Fills table from the file at path, or with ten default entries drawn from generator when the
// file cannot be opened for reading, for whatever reason.
void LoadScoreFile(HighscoreTable &table, Generator &generator, const std::filesystem::path &path);

// Writes table to the file at path so that the old file survives any failure: the bytes go to a
// new file beside it, which is flushed to the disk and then renamed over the old one (keeping
// its permissions). Returns false, with the old file as it was, when:
// - the old file is read-only: it has no write permission bit, or this process may not write it
//   (so the promise holds for root, whom permission bits do not stop);
// - any write, the flush or the rename fails (a full disk, a failing device).
// When the folder does not let the new file be created but the old file is writable, the table
// is written over the old file in place; errors are still detected and reported, but then the
// old contents may be partly overwritten. Without an old file such a folder gives false.
bool SaveScoreFile(const HighscoreTable &table, const std::filesystem::path &path);
