#include "program/startup.h"

#include "board/game_subs.h"
#include "board/text_file.h"
#include "cards/catalogue.h"
#include "deck/instructions.h"
#include "online/online_subs.h"

#include <filesystem>

namespace grim {

namespace {
constexpr std::size_t maxHelpLines = 20000;
}

void formLoad(Window& w, const std::string& programFolder) {
    w.ports.socket->close();
    w.deck.txtInstruct.text = deckSubs::instructions;

    auto& d = w.deck;
    d.lstRegCards.clear();
    for (const auto& card : regCards())
        d.lstRegCards.add(card.name);
    d.txtRegCnt.text = std::to_string(d.lstRegCards.count());
    d.lstSpcCards.clear();
    for (const auto& card : spcCards())
        d.lstSpcCards.add(card.name);
    d.txtSpcCnt.text = std::to_string(d.lstSpcCards.count());

    for (SlotSelector* list : {&w.u1.cmbSlotA, &w.u2.cmbSlotA, &w.u1.cmbSlotB, &w.u2.cmbSlotB}) {
        list->clear();
        for (int i = 1; i <= slotCount; ++i)
            list->add(i);
    }

    gameSubs::disableBoth(w);
    onlineSubs::disableOnlineControls(w);
    w.programFolder = programFolder;
    loadHelp(w, programFolder);
}

void formUnload(Window& w) {
    w.ports.socket->close();
}

void loadHelp(Window& w, const std::string& programFolder) {
    const auto path = (std::filesystem::path(programFolder) / "instructions.txt").string();
    const TextLines text = readTextLines(path, maxHelpLines);
    if (text.status != TextLines::Status::ok) {
        w.txtHelp.text = helpNotFound;
        return;
    }
    std::string help;
    for (const auto& line : text.lines)
        help += line + "\r\n";
    w.txtHelp.text = std::move(help);
}

} // namespace grim
