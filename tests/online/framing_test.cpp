// The frame decoder turns any split or join of the byte stream back into the messages sent,
// and refuses a frame over the limit before holding any of it.
#include "online/framing.h"

#include <gtest/gtest.h>

using namespace grim;

namespace {

std::string header(std::uint32_t n) {
    return {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
}

// Feeds the stream in pieces of the given sizes (the last takes the rest): the messages
// delivered after each piece, whether it stayed whole, and nothing held at the end.
TEST(Framing, FramesAndDecodesEverySplitAndJoinAndRefusesAnOversizedFrameForGood) {
    const std::string synch = wire::frame("</synch/>"), part = wire::frame("[105] CLOWN@");
    const std::string big(wire::maxMessage, '\xE9'), body(100, 'x');
    struct Case {
        std::string stream;
        std::vector<std::size_t> pieces, afterEachPiece;
        std::vector<std::string> messages;
        bool ok = true;
    };
    const std::vector<Case> cases = {
        {synch, std::vector<std::size_t>(12, 1), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {"</synch/>"}},
        {synch + part, {}, {2}, {"</synch/>", "[105] CLOWN@"}},
        {synch + part, {15, 2}, {1, 1, 2}, {"</synch/>", "[105] CLOWN@"}}, // second header split
        {wire::frame("") + synch, {}, {2}, {"", "</synch/>"}},
        {wire::frame(""), {}, {1}, {""}},
        {wire::frame(big), {4, 65535}, {0, 0, 1}, {big}}, // exactly the limit
        {header(65537) + body, {}, {0}, {}, false},
        {header(0xFFFFFFFF) + body, {}, {0}, {}, false},
        {wire::frame("ok") + header(65537) + body, {}, {1}, {"ok"}, false},
        {header(65537) + body, {2, 2}, {0, 0, 0}, {}, false},
        {header(65537) + wire::frame("late"), {4}, {0, 0}, {}, false}, // stays broken
    };
    EXPECT_EQ(wire::frame(std::string(0x010203, 'a')).substr(0, 4), header(0x010203)); // big-endian
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.stream.substr(0, 20)) + " in " +
                     testing::PrintToString(c.pieces));
        wire::Decoder d;
        std::vector<std::string> messages;
        std::vector<std::size_t> after;
        bool ok = true;
        for (std::size_t i = 0, at = 0; i <= c.pieces.size() && at < c.stream.size(); ++i) {
            const std::size_t n = i < c.pieces.size() ? c.pieces[i] : std::string::npos;
            ok = d.feed(std::string_view(c.stream).substr(at, n), messages) && ok;
            after.push_back(messages.size());
            at = n == std::string::npos ? c.stream.size() : at + n;
        }
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(d.broken(), !c.ok);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(after, c.afterEachPiece);
        EXPECT_EQ(d.pending(), 0u); // nothing of a refused frame is held either
        d.reset();                  // a new connection starts afresh
        EXPECT_TRUE(d.feed(synch.substr(0, 6), messages));
        EXPECT_EQ(d.pending(), 6u); // header included
    }
}

} // namespace
