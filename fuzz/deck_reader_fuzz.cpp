// The deck-file reader on arbitrary file contents, checked against a plain reading of the
// rules: lines end at CR LF, CR or LF; the first line must be "version16"; at most 40 entries
// are kept and a 41st line is noticed; a line longer than 4096 bytes makes the file unreadable.
#include "board/text_file.h"
#include "deck/deck_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    bool inLine = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            inLine = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line.push_back(c);
            inLine = true;
        }
    }
    if (inLine) lines.push_back(std::move(line));
    return lines;
}

const std::string& scratchFile() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() /
                       ("grimward-deck-fuzz-" + std::to_string(::getpid()) + ".ucd");
        std::atexit([] { std::remove(scratchFile().c_str()); });
        return p.string();
    }();
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using grim::deckFile::Contents;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return 0;
    }
    const Contents got = grim::deckFile::read(scratchFile());

    const std::vector<std::string> lines = splitLines(bytes);
    const std::size_t read = std::min<std::size_t>(lines.size(), grim::deckFile::maxEntries + 1);
    auto tooLong = [&](std::size_t from) {
        for (std::size_t i = from; i < read; ++i)
            if (lines[i].size() > grim::maxLineLength) return true;
        return false;
    };
    if (!lines.empty() && lines[0].size() > grim::maxLineLength) {
        check(got.status == Contents::Status::unreadable);
    } else if (lines.empty() || lines[0] != grim::deckFile::header) {
        check(got.status == Contents::Status::outdated);
    } else if (tooLong(1)) {
        check(got.status == Contents::Status::unreadable);
    } else {
        check(got.status == Contents::Status::ok);
        check(got.entries ==
              std::vector<std::string>(lines.begin() + 1, lines.begin() + static_cast<std::ptrdiff_t>(read)));
        check(got.moreThan40 == (lines.size() > read));
    }
    if (got.status != Contents::Status::ok) check(got.entries.empty());
    return 0;
}
