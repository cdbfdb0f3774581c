// Any split or join of the byte stream decodes to the messages sent; a frame over the limit is refused.
#include "online/framing.h"

#include <gtest/gtest.h>

using namespace grim;

namespace {

std::string header(std::uint32_t n) { return {char(n >> 24), char(n >> 16), char(n >> 8), char(n)}; }

// The stream fed in pieces (the last takes the rest): the message count after each, the messages, whole.
TEST(Framing, FramesAndDecodesEverySplitAndJoinAndRefusesAnOversizedFrameForGood) {
    const std::string synch = wire::frame("</synch/>"), big(wire::maxMessage, '\xE9'), body(100, 'x');
    using Pieces = std::vector<std::size_t>;
    const std::vector<std::tuple<std::string, Pieces, Pieces, std::vector<std::string>, bool>> cases = {
        // the second header split
        {synch + wire::frame("[105] CLOWN@"), {15, 2}, {1, 1, 2}, {"</synch/>", "[105] CLOWN@"}, true},
        {wire::frame("") + synch, {}, {2}, {"", "</synch/>"}, true},
        {wire::frame(big), {4, 65535}, {0, 0, 1}, {big}, true}, // exactly the limit
        {wire::frame("ok") + header(65537) + body, {}, {1}, {"ok"}, false},
        {header(0xFFFFFFFF) + body, {2, 2}, {0, 0, 0}, {}, false},
        {header(65537) + wire::frame("late"), {4}, {0, 0}, {}, false}, // stays broken
    };
    EXPECT_EQ(wire::frame(std::string(0x010203, 'a')).substr(0, 4), header(0x010203)); // big-endian
    for (const auto& [stream, pieces, afterEachPiece, expected, whole] : cases) {
        SCOPED_TRACE(testing::PrintToString(stream.substr(0, 20)) + " in " + testing::PrintToString(pieces));
        wire::Decoder d;
        std::vector<std::string> messages;
        std::vector<std::size_t> after;
        bool ok = true;
        for (std::size_t i = 0, at = 0, n; i <= pieces.size() && at < stream.size(); ++i, at += n) {
            n = i < pieces.size() ? pieces[i] : stream.size();
            ok = d.feed(std::string_view(stream).substr(at, n), messages) && ok;
            after.push_back(messages.size());
        }
        EXPECT_EQ(std::tuple(messages, after, ok, d.broken(), d.pending()),
                  std::tuple(expected, afterEachPiece, whole, !whole, 0u));
        d.reset(); // a new connection starts afresh; a header counts as held
        ASSERT_TRUE(d.feed(synch.substr(0, 6), messages));
        EXPECT_EQ(d.pending(), 6u);
    }
}

} // namespace
