#include "online/framing.h"

#include <algorithm>
#include <cstdint>

namespace grim::wire {

std::string frame(std::string_view message) {
    const auto n = static_cast<std::uint32_t>(message.size());
    std::string out;
    out.reserve(headerSize + message.size());
    out.push_back(static_cast<char>((n >> 24) & 0xFF));
    out.push_back(static_cast<char>((n >> 16) & 0xFF));
    out.push_back(static_cast<char>((n >> 8) & 0xFF));
    out.push_back(static_cast<char>(n & 0xFF));
    out.append(message);
    return out;
}

bool Decoder::feed(std::string_view bytes, std::vector<std::string>& out) {
    while (!broken_ && !bytes.empty()) {
        if (!haveHeader_) {
            const std::size_t take = std::min(headerSize - buffer_.size(), bytes.size());
            buffer_.append(bytes.substr(0, take));
            bytes.remove_prefix(take);
            if (buffer_.size() < headerSize) break;
            std::uint32_t n = 0;
            for (const char c : buffer_) n = (n << 8) | static_cast<unsigned char>(c);
            buffer_.clear();
            if (n > maxMessage) {
                broken_ = true;
                break;
            }
            expected_ = n;
            haveHeader_ = true;
        }
        const std::size_t take = std::min(expected_ - buffer_.size(), bytes.size());
        buffer_.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (buffer_.size() == expected_) {
            out.push_back(std::move(buffer_));
            buffer_.clear();
            haveHeader_ = false;
            expected_ = 0;
        }
    }
    return !broken_;
}

void Decoder::reset() {
    buffer_.clear();
    expected_ = 0;
    haveHeader_ = false;
    broken_ = false;
}

} // namespace grim::wire
