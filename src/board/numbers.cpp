#include "board/numbers.h"


namespace grim {

std::int16_t readNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1'000'000) value = 1'000'000;  // far beyond 16 bits: stop growing
    }
    return saturate(negative ? -value : value);
}

void writeNumber(TextBox& box, long long value) { box.text = std::to_string(saturate(value)); }

void addNumber(TextBox& box, long long delta) { writeNumber(box, readNumber(box) + delta); }

} // namespace grim
