// Deck files (".ucd"): the header "version16", then one card entry per line, every line
// ending in CR LF. One reader and one writer serve the deck editor and the duel.
#pragma once

#include "cards/version.h"

#include <string>
#include <vector>

namespace grim::deckFile {

// The first line: "version16".
inline const std::string header = "version" + gameVersionText();
inline constexpr const char* filter = "Deck File (*.ucd)";
inline constexpr int maxEntries = 40;

struct Contents {
    enum class Status { ok, outdated, unreadable };
    Status status = Status::ok;
    std::vector<std::string> entries;  // at most 40, unchanged
    bool moreThan40 = false;           // the file held a 41st entry line
};

// Reads a deck file. The first line must be exactly "version16"; a file that cannot be
// opened, or holds a line longer than 4096 bytes, is unreadable.
Contents read(const std::string& path);

// Writes the header and the entries; an existing file is replaced whole or not at all.
bool write(const std::string& path, const std::vector<std::string>& entries);

// The message for a file that cannot be read, and for a save that failed.
std::string unreadableMessage(const std::string& path);
std::string saveFailedMessage(const std::string& path);

} // namespace grim::deckFile
