#include "app/event_routes.h"

#include "app/about.h"
#include "board/inspection.h"
#include "board/sound_subs.h"
#include "modes/computer_mode.h"
#include "deck/deck_handlers.h"
#include "online/online_handlers.h"
#include "modes/play_mode.h"
#include "rules/game_handlers.h"
#include "specials/activation.h"

namespace grim::app {

namespace {

template <class Handler> struct Entry {
    const char* control;
    Gesture gesture;
    Handler handler;
};

// A side's controls, named without the side: "btnAdd" stands for "btnAddU1" and "btnAddU2".
const Entry<void (*)(Window&, SideId)> sideEntries[] = {
    {"btnOpen", Gesture::click, gameSubs::btnOpen_Click},
    {"btnQ5", Gesture::click, gameSubs::btnQ5_Click},
    {"btnAdd", Gesture::click, gameSubs::btnAdd_Click},
    {"btnSacri", Gesture::click, gameSubs::btnSacri_Click},
    {"btnSpecial", Gesture::click, activationSubs::btnSpecial_Click},
    {"btnField", Gesture::click, gameSubs::btnField_Click},
    {"btnDirect", Gesture::click, gameSubs::btnDirect_Click},
    {"btnMaster", Gesture::click, gameSubs::btnMaster_Click},
    {"btnAttack", Gesture::click, gameSubs::btnAttack_Click},
    {"btnEnd", Gesture::click, gameSubs::btnEnd_Click},
    // Card inspection: an item clicked in the deck or the hand, or chosen in the graveyard.
    {"lstDeck", Gesture::click, gameSubs::lstDeck_Click},
    {"lstHand", Gesture::click, gameSubs::lstHand_Click},
    {"cmbGrave", Gesture::click, gameSubs::cmbGrave_Click},
};

// The character code txtMsg_KeyPress takes for Return.
constexpr int returnKey = 13;

void aboutBox(Window& w, const char* text, const char* title) {
    w.ports.prompter->message(MessageId::about, text, title);
}

const Entry<void (*)(Window&)> windowEntries[] = {
    // The deck editor. A list's click comes after its selection has reached the core.
    {"lstRegCards", Gesture::pick, deckSubs::lstRegCards_Click},
    {"lstRegCards", Gesture::doubleClick, deckSubs::lstRegCards_DblClick},
    {"lstSpcCards", Gesture::pick, deckSubs::lstSpcCards_Click},
    {"lstSpcCards", Gesture::doubleClick, deckSubs::lstSpcCards_DblClick},
    {"lstDeck", Gesture::pick, deckSubs::lstDeck_Click},
    {"lstDeck", Gesture::doubleClick, deckSubs::lstDeck_DblClick},
    {"btnUp", Gesture::click, deckSubs::btnUp_Click},
    {"btnDown", Gesture::click, deckSubs::btnDown_Click},
    {"btnTop", Gesture::click, deckSubs::btnTop_Click},
    {"txtBottom", Gesture::click, deckSubs::txtBottom_Click},
    {"btnClose", Gesture::click, deckSubs::btnClose_Click},
    {"btnSave", Gesture::click, deckSubs::btnSave_Click},
    {"btnOpen", Gesture::click, deckSubs::btnOpen_Click},
    // Online play: the panel and the online timers.
    {"btnHost", Gesture::click, onlineSubs::btnHost_Click},
    {"btnJoin", Gesture::click, onlineSubs::btnJoin_Click},
    {"btnDisconnect", Gesture::click, onlineSubs::btnDisconnect_Click},
    {"btnSet", Gesture::click, onlineSubs::btnSet_Click},
    {"txtMsg", Gesture::enter, [](Window& w) { onlineSubs::txtMsg_KeyPress(w, returnKey); }},
    {"txtPlayer", Gesture::press, onlineSubs::txtPlayer_Click},
    {"tmrConnect", Gesture::click, onlineSubs::tmrConnect_Timer},
    {"tmrWait", Gesture::click, onlineSubs::tmrWait_Timer},
    {"tmrUpdate", Gesture::click, onlineSubs::tmrUpdate_Timer},
    {"tmrSynch", Gesture::click, onlineSubs::tmrSynch_Timer},
    // The turn timer.
    {"tmrTurnLimit", Gesture::click, gameSubs::tmrTurnLimit_Timer},
    // The menu; R&ESTORE has no action.
    {"smnOffline", Gesture::click, onlineSubs::smnOffline_Click},
    {"smnOnline", Gesture::click, onlineSubs::smnOnline_Click},
    {"smnComputer", Gesture::click, computer::smnComputer_Click},
    {"smnNewGame", Gesture::click, onlineSubs::smnNewGame_Click},
    {"smnSoundsOn", Gesture::click, soundSubs::smnSoundsOn_Click},
    {"smnLevelEasy", Gesture::click, [](Window& w) { computer::smnLevel_Click(w, computer::Level::easy); }},
    {"smnLevelNormal", Gesture::click, [](Window& w) { computer::smnLevel_Click(w, computer::Level::normal); }},
    {"smnLevelHard", Gesture::click, [](Window& w) { computer::smnLevel_Click(w, computer::Level::hard); }},
    {"smnSoundsOff", Gesture::click, soundSubs::smnSoundsOff_Click},
    {"smnCreator", Gesture::click, [](Window& w) { aboutBox(w, about::creator, about::creatorTitle); }},
    {"smnCredits", Gesture::click, [](Window& w) { aboutBox(w, about::credits, about::creditsTitle); }},
    {"smnComments", Gesture::click, [](Window& w) { aboutBox(w, about::comments, about::commentsTitle); }},
};

} // namespace

std::vector<Route> routes() {
    std::vector<Route> all;
    for (const auto& [u, side] : {std::pair{"U1", SideId::u1}, {"U2", SideId::u2}}) {
        for (const auto& e : sideEntries)
            all.push_back(
                {e.control + std::string(u), e.gesture, [h = e.handler, side](Window& w) { h(w, side); }});
        // The slot labels sacrifice their slot's card.
        for (int i = 1; i <= slotCount; ++i)
            all.push_back({"lblAtt" + std::string(u) + "_" + std::to_string(i), Gesture::click,
                           [side, i](Window& w) { gameSubs::lblAtt_Click(w, side, i); }});
    }
    for (const auto& e : windowEntries)
        all.push_back({e.control, e.gesture, e.handler});
    return all;
}

} // namespace grim::app
