// The frame decoder turns any split or join of the byte stream back into the messages sent,
// and refuses a frame over the limit before holding any of it.
#include "online/framing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace grim;

namespace {

std::string header(std::uint32_t n) {
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
            static_cast<char>(n)};
}

// Feeds the stream in pieces of the given sizes (the last piece takes the rest).
struct Fed {
    std::vector<std::string> messages;
    std::vector<std::size_t> afterEachPiece; // messages delivered after each piece
    bool ok = true;
    std::size_t pendingAtEnd = 0;
};
Fed feed(const std::string& stream, const std::vector<std::size_t>& pieces) {
    wire::Decoder d;
    Fed r;
    std::size_t at = 0;
    for (std::size_t i = 0; i <= pieces.size() && at <= stream.size(); ++i) {
        const std::size_t n = i < pieces.size() ? pieces[i] : stream.size() - at;
        r.ok = d.feed(std::string_view(stream).substr(at, n), r.messages) && r.ok;
        r.afterEachPiece.push_back(r.messages.size());
        at += n;
        if (at == stream.size()) break;
    }
    r.pendingAtEnd = d.pending();
    EXPECT_EQ(d.broken(), !r.ok);
    return r;
}

std::vector<std::size_t> ones(std::size_t n) {
    return std::vector<std::size_t>(n, 1);
}

} // namespace

TEST(Framing, FrameIsTheBigEndianLengthThenTheBytes) {
    EXPECT_EQ(wire::frame(""), std::string(4, '\0'));
    EXPECT_EQ(wire::frame("</synch/>"), header(9) + "</synch/>");
    const std::string latin1 = "[105] CLOWN@\xE9\xFF\x00@";
    EXPECT_EQ(wire::frame(latin1), header(static_cast<std::uint32_t>(latin1.size())) + latin1);
    EXPECT_EQ(wire::frame(std::string(0x010203, 'a')).substr(0, 4), std::string("\x00\x01\x02\x03", 4));
}

TEST(Framing, DecodesEverySplitAndJoin) {
    const std::string synch = wire::frame("</synch/>");
    const std::string part2 = wire::frame("[105] CLOWN@[120] OGRE@");
    const std::string limit = wire::frame(std::string(wire::maxMessage, '\xE9'));
    struct Case {
        const char* name;
        std::string stream;
        std::vector<std::size_t> pieces;
        std::vector<std::string> messages;
        std::vector<std::size_t> afterEachPiece;
    };
    const std::vector<Case> cases = {
        {"whole message", synch, {}, {"</synch/>"}, {1}},
        {"byte by byte", synch, ones(12), {"</synch/>"}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"two joined in one read", synch + part2, {}, {"</synch/>", "[105] CLOWN@[120] OGRE@"}, {2}},
        {"empty message", wire::frame("") + synch, {}, {"", "</synch/>"}, {2}},
        {"empty message alone", wire::frame(""), {}, {""}, {1}},
        {"header split", synch, {3, 1}, {"</synch/>"}, {0, 0, 1}},
        {"second header split across reads",
         synch + part2,
         {15, 2},
         {"</synch/>", "[105] CLOWN@[120] OGRE@"},
         {1, 1, 2}},
        {"exactly the limit", limit, {4, 65535}, {std::string(wire::maxMessage, '\xE9')}, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Fed r = feed(c.stream, c.pieces);
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(r.afterEachPiece, c.afterEachPiece);
        EXPECT_EQ(r.pendingAtEnd, 0u);
    }
}

TEST(Framing, RefusesAnOversizedFrameBeforeBufferingAndStaysBroken) {
    struct Case {
        const char* name;
        std::string stream;
        std::vector<std::size_t> pieces;
        std::vector<std::string> messages; // delivered before the refusal
    };
    const std::string body(100, 'x');
    const std::vector<Case> cases = {
        {"one over the limit", header(65537) + body, {}, {}},
        {"largest length", header(0xFFFFFFFF) + body, {}, {}},
        {"after a good message", wire::frame("ok") + header(65537) + body, {}, {"ok"}},
        {"header split", header(65537) + body, {2, 2}, {}},
        {"good frame after it is ignored", header(65537) + wire::frame("late"), {4}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Fed r = feed(c.stream, c.pieces);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(r.pendingAtEnd, 0u); // nothing of the refused frame is held
    }

    wire::Decoder d;
    std::vector<std::string> out;
    EXPECT_FALSE(d.feed(header(65537), out));
    EXPECT_FALSE(d.feed(wire::frame("later"), out)); // stays broken
    EXPECT_TRUE(out.empty());
    d.reset(); // a new connection starts afresh
    EXPECT_TRUE(d.feed(wire::frame("fresh").substr(0, 6), out));
    EXPECT_EQ(d.pending(), 6u); // header included
    d.reset();
    EXPECT_TRUE(d.feed(wire::frame("fresh"), out));
    EXPECT_EQ(out, std::vector<std::string>{"fresh"});
}
