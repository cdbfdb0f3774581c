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
namespace fs = std::filesystem;

namespace {

std::string entryLines(int n, const std::string& end = "\r\n") {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "[" + std::to_string(100 + i) + "] CARD" + end;
    return text;
}

deckFile::Contents readText(const TempFolder& dir, const std::string& bytes) {
    return deckFile::read(dir.raw("deck.ucd", bytes));
}

} // namespace

TEST(DeckFile, LineEndsAndTheLastLine) {
    TempFolder dir;
    const std::vector<std::string> two{"[105] CLOWN", "[200] LIFELESS"};
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> entries;
    };
    const std::vector<Case> cases{
        {"CR LF", "version16\r\n[105] CLOWN\r\n[200] LIFELESS\r\n", two},
        {"LF only", "version16\n[105] CLOWN\n[200] LIFELESS\n", two},
        {"CR only", "version16\r[105] CLOWN\r[200] LIFELESS\r", two},
        {"mixed", "version16\r[105] CLOWN\n[200] LIFELESS\r\n", two},
        {"no end on the last line", "version16\r\n[105] CLOWN\r\n[200] LIFELESS", two},
        {"LF CR is two line ends",
         "version16\r\n[105] CLOWN\n\r[200] LIFELESS\r\n",
         {"[105] CLOWN", "", "[200] LIFELESS"}},
        {"blank lines are entries", "version16\r\n\r\n\r\n", {"", ""}},
        {"blanks kept", "version16\r\n [105] CLOWN \r\n", {" [105] CLOWN "}},
        {"header only", "version16\r\n", {}},
        {"header without a line end", "version16", {}},
    };
    for (const auto& c : cases) {
        const auto deck = readText(dir, c.bytes);
        EXPECT_EQ(deck.status, Status::ok) << c.what;
        EXPECT_EQ(deck.entries, c.entries) << c.what;
        EXPECT_FALSE(deck.moreThan40) << c.what;
    }
}

TEST(DeckFile, CrLfSplitAcrossTheReadBuffer) {
    // The reader takes the file in blocks of 8 KiB: put the CR of a CR LF at every offset
    // around the first block's end; the LF after it must still end the same line.
    TempFolder dir;
    const std::string filler =
        "version16\r\n" + std::string(4000, 'y') + "\r\n" + std::string(4000, 'y') + "\r\n";
    for (std::size_t cr = filler.size() + 1; cr < 8200; ++cr) {
        const std::string bytes = filler + std::string(cr - filler.size(), 'z') + "\r\n[105] CLOWN\r\n";
        const auto deck = readText(dir, bytes);
        ASSERT_EQ(deck.status, Status::ok) << cr;
        ASSERT_EQ(deck.entries.size(), 4u) << cr;
        EXPECT_EQ(deck.entries[2], std::string(cr - filler.size(), 'z')) << cr;
        EXPECT_EQ(deck.entries[3], "[105] CLOWN") << cr;
    }
}

TEST(DeckFile, HeaderMustMatchExactly) {
    TempFolder dir;
    for (const std::string header : {"Version16", "VERSION16", "version15", "version17", "version16 ",
                                     " version16", "version1", "version160", "", "\xEF\xBB\xBFversion16"}) {
        const auto deck = readText(dir, header + "\r\n[105] CLOWN\r\n");
        EXPECT_EQ(deck.status, Status::outdated) << header;
        EXPECT_TRUE(deck.entries.empty()) << header;
    }
    EXPECT_EQ(readText(dir, "").status, Status::outdated); // an empty file has no header
}

TEST(DeckFile, FortyEntriesAtMost) {
    TempFolder dir;
    struct Case {
        int lines;
        std::string tail;
        std::size_t loaded;
        bool more;
    };
    for (const Case& c :
         {Case{39, "", 39, false}, Case{40, "", 40, false}, Case{41, "", 40, true}, Case{45, "", 40, true},
          Case{40, "\r\n", 40, true} /* a blank 41st line counts */, Case{40, "x", 40, true}}) {
        const auto deck = readText(dir, "version16\r\n" + entryLines(c.lines) + c.tail);
        EXPECT_EQ(deck.status, Status::ok) << c.lines;
        EXPECT_EQ(deck.entries.size(), c.loaded) << c.lines;
        EXPECT_EQ(deck.moreThan40, c.more) << c.lines;
        EXPECT_EQ(deck.entries.front(), "[100] CARD");
    }
    // Lines after the 40th are never looked at, however long.
    const auto longTail = readText(dir, "version16\r\n" + entryLines(40) + std::string(100000, 'x'));
    EXPECT_EQ(longTail.status, Status::ok);
    EXPECT_TRUE(longTail.moreThan40);
}

TEST(DeckFile, GarbageLoadsUnchangedOrIsUnreadable) {
    TempFolder dir;
    const std::string nul("[1\0"
                          "5] A\0B",
                          9);
    auto deck = readText(dir, "version16\r\n" + nul + "\r\n\xFF\xFE\x01\x7F\r\n");
    ASSERT_EQ(deck.status, Status::ok);
    EXPECT_EQ(deck.entries, (std::vector<std::string>{nul, "\xFF\xFE\x01\x7F"}));

    // The longest line read is 4096 bytes.
    deck = readText(dir, "version16\r\n" + std::string(4096, 'a') + "\r\n");
    ASSERT_EQ(deck.status, Status::ok);
    EXPECT_EQ(deck.entries.at(0).size(), 4096u);
    for (const std::string& bytes :
         {"version16\r\n[105] CLOWN\r\n" + std::string(4097, 'a') + "\r\n",
          "version16\r\n" + std::string(4097, 'a'), std::string(4097, 'v') + "\r\n",
          "version16" + std::string(5000, ' ') + "\r\n"}) {
        deck = readText(dir, bytes);
        EXPECT_EQ(deck.status, Status::unreadable) << bytes.size();
        EXPECT_TRUE(deck.entries.empty());
    }

    // One 100 MB line of NUL bytes (a sparse file, so the test stays quick).
    const std::string huge = dir.raw("huge.ucd", "version16\r\n");
    fs::resize_file(huge, 100u * 1024 * 1024);
    deck = deckFile::read(huge);
    EXPECT_EQ(deck.status, Status::unreadable);
    EXPECT_TRUE(deck.entries.empty());

    deck = readText(dir, std::string(1024, '\0'));
    EXPECT_EQ(deck.status, Status::outdated);
}

TEST(DeckFile, WhatCannotBeOpenedIsUnreadable) {
    TempFolder dir;
    EXPECT_EQ(deckFile::read(dir.path("missing.ucd")).status, Status::unreadable);
    EXPECT_EQ(deckFile::read(dir.folder()).status, Status::unreadable); // a folder
    EXPECT_EQ(deckFile::read("").status, Status::unreadable);
    // A pipe would block the program until someone writes to it.
    const std::string fifo = dir.path("pipe.ucd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(deckFile::read(fifo).status, Status::unreadable);
}

TEST(DeckFile, WritesHeaderAndEntriesWithCrLf) {
    TempFolder dir;
    const std::string path = dir.path("deck.ucd");
    ASSERT_TRUE(deckFile::write(path, {"[105] CLOWN", "[200] LIFELESS", "[164] HORN BEETLE"}));
    EXPECT_EQ(fileBytes(path), "version16\r\n[105] CLOWN\r\n[200] LIFELESS\r\n[164] HORN BEETLE\r\n");
    // Replacing an existing file leaves nothing of the old one and no temporary file.
    ASSERT_TRUE(deckFile::write(path, {"[100] GNOME"}));
    EXPECT_EQ(fileBytes(path), "version16\r\n[100] GNOME\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.folder()), fs::directory_iterator()), 1);
    // A name without ".ucd" is used as given.
    ASSERT_TRUE(deckFile::write(dir.path("mydeck"), {"[100] GNOME"}));
    EXPECT_TRUE(fs::is_regular_file(dir.path("mydeck")));
}

TEST(DeckFile, FailedSaveLeavesEverythingAsItWas) {
    TempFolder dir;
    const std::string old = "version16\r\n[105] CLOWN\r\n";
    const std::string deck = dir.raw("deck.ucd", old);
    const std::vector<std::string> entries{"[100] GNOME"};

    EXPECT_FALSE(deckFile::write(dir.folder(), entries));                 // a folder
    EXPECT_FALSE(deckFile::write(dir.path("nowhere/deck.ucd"), entries)); // no such folder
    EXPECT_FALSE(deckFile::write(deck + "/deck.ucd", entries));           // under a file
    EXPECT_FALSE(deckFile::write("/proc/grimward-deck.ucd", entries));    // no one may write here
    EXPECT_FALSE(deckFile::write("", entries));
    const std::string fifo = dir.path("pipe.ucd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(deckFile::write(fifo, entries)); // only plain files are replaced
    EXPECT_TRUE(fs::is_fifo(fifo));

    // Every temporary name taken: the save fails and the deck file is untouched.
    fs::create_directory(deck + ".saving");
    for (int i = 1; i < 100; ++i)
        fs::create_directory(deck + ".saving" + std::to_string(i));
    EXPECT_FALSE(deckFile::write(deck, entries));
    EXPECT_EQ(fileBytes(deck), old);
    EXPECT_TRUE(fs::is_directory(deck + ".saving"));
}

TEST(DeckFile, SavingTouchesNoOtherFile) {
    TempFolder dir;
    const std::string deck = dir.path("deck.ucd");
    // A file of the player's that happens to have the temporary name is not overwritten.
    dir.raw("deck.ucd.saving", "mine");
    ASSERT_TRUE(deckFile::write(deck, {"[100] GNOME"}));
    EXPECT_EQ(fileBytes(deck + ".saving"), "mine");
    EXPECT_EQ(fileBytes(deck), "version16\r\n[100] GNOME\r\n");

    // Saving through a link replaces the deck it names and keeps the link.
    const std::string link = dir.path("link.ucd");
    fs::create_symlink(deck, link);
    ASSERT_TRUE(deckFile::write(link, {"[101] ELF"}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileBytes(deck), "version16\r\n[101] ELF\r\n");
}

TEST(DeckFile, ReadOnlyDeckIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file, so a read-only deck cannot be simulated";
    TempFolder dir;
    const std::string deck = dir.raw("deck.ucd", "version16\r\n[105] CLOWN\r\n");
    fs::permissions(deck, fs::perms::owner_read);
    EXPECT_FALSE(deckFile::write(deck, {"[100] GNOME"}));
    EXPECT_EQ(fileBytes(deck), "version16\r\n[105] CLOWN\r\n");
    fs::permissions(dir.folder(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(deckFile::write(dir.path("new.ucd"), {"[100] GNOME"}));
    fs::permissions(dir.folder(), fs::perms::owner_all);
}
