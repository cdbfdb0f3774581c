// Reading and writing the program's text files (deck files, the help text).
// A line ends at CR LF, CR or LF; the program always writes CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace grim {

inline constexpr std::size_t maxLineLength = 4096;

struct TextLines {
    enum class Status { ok, cannotOpen, lineTooLong, readError };
    Status status = Status::ok;
    std::vector<std::string> lines;
    bool moreLines = false;  // the file holds more than the lines asked for
};

// Reads at most maxLines lines. A line longer than maxLineLength bytes makes the file
// unreadable and ends reading there; lines holds the complete lines before it.
TextLines readTextLines(const std::string& path, std::size_t maxLines);

// Writes the lines, each ending in CR LF, to a temporary file beside path and renames it
// over path, so an existing file is replaced whole or not at all. Only a plain file that
// could be written is replaced; false on any failure.
bool writeTextLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace grim
