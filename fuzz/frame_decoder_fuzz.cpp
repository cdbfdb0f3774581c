// The frame decoder on arbitrary bytes in arbitrary splits: the messages and the verdict
// never depend on how the stream was cut, every message fits the limit, the messages
// framed again give back exactly the bytes consumed, and a refused frame leaves nothing held.
//
// Input: one byte n (the number of cuts, n % 16), then n cut positions of two bytes each,
// then the stream.
#include "online/framing.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using grim::wire::Decoder;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) return 0;
    const std::size_t cutCount = static_cast<unsigned char>(input[0]) % 16;
    input.remove_prefix(1);
    if (input.size() < 2 * cutCount) return 0;
    const std::string_view stream = input.substr(2 * cutCount);
    std::vector<std::size_t> cuts;
    for (std::size_t i = 0; i < cutCount; ++i) {
        const std::size_t at =
            static_cast<unsigned char>(input[2 * i]) << 8 | static_cast<unsigned char>(input[2 * i + 1]);
        cuts.push_back(at % (stream.size() + 1));
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.push_back(stream.size());

    Decoder whole;
    std::vector<std::string> expected;
    const bool wholeOk = whole.feed(stream, expected);

    Decoder pieces;
    std::vector<std::string> got;
    bool piecesOk = true;
    std::size_t from = 0;
    for (const std::size_t to : cuts) {
        piecesOk = pieces.feed(stream.substr(from, to - from), got) && piecesOk;
        from = to;
    }

    check(got == expected);
    check(piecesOk == wholeOk && pieces.broken() == !wholeOk);
    check(pieces.pending() == whole.pending());
    std::string reframed;
    for (const std::string& m : expected) {
        check(m.size() <= grim::wire::maxMessage);
        reframed += grim::wire::frame(m);
    }
    if (wholeOk) {
        check(reframed.size() + whole.pending() == stream.size());
        check(stream.substr(0, reframed.size()) == reframed);
    } else {
        check(whole.pending() == 0);
        check(stream.substr(0, reframed.size()) == reframed);
    }
    return 0;
}
