// A temporary folder for the files a test writes (deck files, help text), removed with
// everything in it when the test is done.
#pragma once

#include "cards/catalogue.h"
#include "deck/deck_file.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace grim::test {

class TempFolder {
  public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        const auto name = "grimward-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string folder() const { return path_.string(); }
    std::string path(const std::string& name) const { return (path_ / name).string(); }

    // A deck file with the header "version16" and these entries; returns its path.
    std::string deck(const std::string& name, const std::vector<std::string>& entries) const {
        const auto p = path(name);
        deckFile::write(p, entries);
        return p;
    }
    // A file holding exactly these bytes; returns its path.
    std::string raw(const std::string& name, const std::string& bytes) const {
        const auto p = path(name);
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }

  private:
    std::filesystem::path path_;
};

// The bytes of a file; empty when it cannot be read.
inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The catalogue entry of a code, e.g. "[105] CLOWN".
inline std::string entry(int code) {
    return cardSubs::record(code)->name;
}
// A field slot text of a card at its catalogue power, e.g. "[105] CLOWN 100".
inline std::string fielded(int code) {
    return entry(code) + " " + cardSubs::record(code)->power;
}
// n entries of consecutive codes from first on (regular codes go up to 165, then 200...).
inline std::vector<std::string> entries(int n, int first = 100) {
    std::vector<std::string> v;
    for (int code = first; static_cast<int>(v.size()) < n; ++code) {
        if (code == 166) code = 200;
        v.push_back(entry(code));
    }
    return v;
}

} // namespace grim::test
