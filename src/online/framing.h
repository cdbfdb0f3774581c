// How messages travel between the two windows over one TCP byte stream: each message is
// a 4-byte unsigned big-endian length followed by exactly that many bytes of text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grim::wire {

// The longest message either window sends or accepts, in bytes.
inline constexpr std::size_t maxMessage = 65536;
inline constexpr std::size_t headerSize = 4;

// The bytes that carry one message. The message must not be longer than maxMessage.
std::string frame(std::string_view message);

// Turns the received byte stream back into whole messages, however it was split or joined.
class Decoder {
public:
    // Takes the next received bytes and appends every message they complete to out, in
    // order. Returns false once a frame announces a length over maxMessage: that frame's
    // bytes are never buffered, and the stream stays broken (later bytes are ignored).
    bool feed(std::string_view bytes, std::vector<std::string>& out);
    bool broken() const { return broken_; }
    // Bytes held back for a message not yet complete (header included).
    std::size_t pending() const { return buffer_.size() + (haveHeader_ ? headerSize : 0); }
    void reset();

private:
    std::string buffer_;
    std::size_t expected_ = 0;  // body length of the frame being read, once its header is in
    bool haveHeader_ = false;
    bool broken_ = false;
};

} // namespace grim::wire
