#include "board/controls.h"

namespace grim {

namespace {
const std::string emptyText;
}

const std::string& ListBox::selectedText() const {
    const std::string* text = selectedItem();
    return text != nullptr ? *text : emptyText;
}

void Timer::setOn(bool on) {
    if (on) ++restarts_;
    on_ = on;
}

} // namespace grim
