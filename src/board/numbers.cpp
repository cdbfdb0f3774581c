#include "board/numbers.h"

namespace grim {

void writeNumber(TextBox& box, long long value) { box.text = std::to_string(saturate(value)); }

} // namespace grim
