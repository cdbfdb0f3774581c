#include "deck/deck_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace grim;
using grim::test::fileBytes;
using grim::test::TempFolder;
using Status = deckFile::Contents::Status;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

deckFile::Contents readText(const TempFolder& dir, const std::string& bytes) {
    return deckFile::read(dir.raw("deck.ucd", bytes));
}

std::string entryLines(int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "[" + std::to_string(100 + i) + "] CARD\r\n";
    return text;
}

} // namespace

TEST(DeckFile, LoadsEveryLineUnchangedWhateverItsEnd) {
    TempFolder dir;
    const Lines two{"[105] CLOWN", "[200] LIFELESS"};
    const std::string nul("[1\0"
                          "5] A\0B",
                          9),
        longest(4096, 'a');
    const std::vector<std::pair<std::string, Lines>> cases{
        {"version16\r\n[105] CLOWN\r\n[200] LIFELESS\r\n", two},
        {"version16\n[105] CLOWN\n[200] LIFELESS\n", two},
        {"version16\r[105] CLOWN\r[200] LIFELESS\r", two},
        {"version16\r[105] CLOWN\n[200] LIFELESS\r\n", two},
        {"version16\r\n[105] CLOWN\r\n[200] LIFELESS", two},                      // no end on the last
        {"version16\r\n[105] CLOWN\n\r[200] LIFELESS\r\n", {two[0], "", two[1]}}, // LF CR is two ends
        {"version16\r\n\r\n \r\n", {"", " "}},                                    // blank entries
        {"version16", {}},
        {"version16\r\n" + nul + "\r\n\xFF\xFE\x01\x7F\r\n" + longest, {nul, "\xFF\xFE\x01\x7F", longest}},
    };
    for (const auto& [bytes, entries] : cases) {
        const auto deck = readText(dir, bytes);
        EXPECT_EQ(deck.status, Status::ok) << bytes;
        EXPECT_EQ(deck.entries, entries) << bytes;
        EXPECT_FALSE(deck.moreThan40) << bytes;
    }
    // The file is read in blocks of 8 KiB: a CR LF split across two blocks is still one line end.
    const std::string lines = std::string(4000, 'y') + "\r\n", filler = "version16\r\n" + lines + lines;
    for (std::size_t cr = 8188; cr < 8196; ++cr) {
        const auto deck =
            readText(dir, filler + std::string(cr - filler.size(), 'z') + "\r\n[105] CLOWN\r\n");
        ASSERT_EQ(deck.entries.size(), 4u) << cr;
        EXPECT_EQ(deck.entries[3], "[105] CLOWN") << cr;
    }
}

TEST(DeckFile, FortyEntriesAtMost) {
    TempFolder dir;
    for (auto [lines, tail, more] : {std::tuple{39, "", false},
                                     {40, "", false},
                                     {41, "", true},
                                     {40, "\r\n", true} /* a blank 41st line counts */}) {
        const auto deck = readText(dir, "version16\r\n" + entryLines(lines) + tail);
        EXPECT_EQ(deck.status, Status::ok) << lines;
        EXPECT_EQ(deck.entries.size(), std::min(lines, 40)) << lines;
        EXPECT_EQ(deck.moreThan40, more) << lines;
    }
    // Lines after the 40th are never read, however long.
    EXPECT_EQ(readText(dir, "version16\r\n" + entryLines(40) + std::string(5000, 'x')).status, Status::ok);
}

TEST(DeckFile, AnythingElseIsOutdatedOrUnreadableWithNoEntries) {
    TempFolder dir;
    std::vector<std::pair<std::string, Status>> cases{
        {"", Status::outdated},
        {std::string(1024, '\0'), Status::outdated},
        {"version16\r\n[105] CLOWN\r\n" + std::string(4097, 'a') + "\r\n", Status::unreadable}, // over 4096
        {std::string(4097, 'v') + "\r\n", Status::unreadable},
        {"version16" + std::string(5000, ' '), Status::unreadable}};
    for (const std::string header : {"Version16", "VERSION16", "version15", "version160", "version16 ",
                                     " version16", "", "\xEF\xBB\xBFversion16"})
        cases.emplace_back(header + "\r\n[105] CLOWN\r\n", Status::outdated);
    for (const auto& [bytes, status] : cases) {
        const auto deck = readText(dir, bytes);
        EXPECT_EQ(deck.status, status) << bytes.substr(0, 20);
        EXPECT_TRUE(deck.entries.empty()) << bytes.substr(0, 20);
    }
    const std::string huge = dir.raw("huge.ucd", "version16\r\n"); // 100 MB of NUL bytes, sparse
    fs::resize_file(huge, 100u * 1024 * 1024);
    EXPECT_EQ(deckFile::read(huge).status, Status::unreadable);

    // What is no plain file is never opened: a pipe would block until someone writes to it.
    const std::string fifo = dir.path("pipe.ucd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.path("missing.ucd"), dir.folder(), std::string(), fifo})
        EXPECT_EQ(deckFile::read(path).status, Status::unreadable) << path;
}

TEST(DeckFile, WritesHeaderAndEntriesWithCrLfAndNothingElse) {
    TempFolder dir;
    const std::string path = dir.path("deck.ucd");
    dir.raw("deck.ucd.saving", "mine"); // a file of the player's with the temporary name
    ASSERT_TRUE(deckFile::write(path, {"[105] CLOWN", "[200] LIFELESS", "[164] HORN BEETLE"}));
    EXPECT_EQ(fileBytes(path), "version16\r\n[105] CLOWN\r\n[200] LIFELESS\r\n[164] HORN BEETLE\r\n");
    ASSERT_TRUE(deckFile::write(path, {"[100] GNOME"})); // nothing of the old file is left
    EXPECT_EQ(fileBytes(path), "version16\r\n[100] GNOME\r\n");
    EXPECT_EQ(fileBytes(path + ".saving"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.folder()), fs::directory_iterator()), 2);

    // Saving through a link replaces the deck it names and keeps the link.
    const std::string link = dir.path("link.ucd");
    fs::create_symlink(path, link);
    ASSERT_TRUE(deckFile::write(link, {"[101] ELF"}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileBytes(path), "version16\r\n[101] ELF\r\n");
}

TEST(DeckFile, FailedSaveLeavesEverythingAsItWas) {
    TempFolder dir;
    const std::string old = "version16\r\n[105] CLOWN\r\n";
    const std::string deck = dir.raw("deck.ucd", old);
    const std::string fifo = dir.path("pipe.ucd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.folder(), dir.path("nowhere/deck.ucd"), deck + "/deck.ucd",
                                    std::string("/proc/grimward-deck.ucd"), std::string(), fifo})
        EXPECT_FALSE(deckFile::write(path, {"[100] GNOME"})) << path;
    EXPECT_TRUE(fs::is_fifo(fifo));
    if (::geteuid() != 0) { // root may write any file: a read-only deck cannot be simulated
        fs::permissions(deck, fs::perms::owner_read);
        EXPECT_FALSE(deckFile::write(deck, {"[100] GNOME"}));
        fs::permissions(deck, fs::perms::owner_all);
    }

    // Every temporary name taken: the save fails and the deck file is untouched.
    fs::create_directory(deck + ".saving");
    for (int i = 1; i < 100; ++i)
        fs::create_directory(deck + ".saving" + std::to_string(i));
    EXPECT_FALSE(deckFile::write(deck, {"[100] GNOME"}));
    EXPECT_EQ(fileBytes(deck), old);
}
