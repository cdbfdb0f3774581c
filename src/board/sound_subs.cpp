#include "board/sound_subs.h"

namespace grim::soundSubs {

void playSound(Window& w, const std::string& name) {
    if (w.menu.smnSoundsOn.checked) w.ports.sound->play(name);
}

void smnSoundsOn_Click(Window& w) {
    w.menu.smnSoundsOn.checked = true;
    w.menu.smnSoundsOn.enabled = false;
    w.menu.smnSoundsOff.checked = false;
    w.menu.smnSoundsOff.enabled = true;
}

void smnSoundsOff_Click(Window& w) {
    w.menu.smnSoundsOff.checked = true;
    w.menu.smnSoundsOff.enabled = false;
    w.menu.smnSoundsOn.checked = false;
    w.menu.smnSoundsOn.enabled = true;
}

} // namespace grim::soundSubs
