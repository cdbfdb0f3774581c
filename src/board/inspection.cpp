#include "board/inspection.h"

#include "cards/catalogue.h"

#include <array>
#include <optional>
#include <utility>

namespace grim::gameSubs {

namespace {

struct Hint {
    std::string_view control; // the name without its side suffix, or the full name
    std::string_view text;
};

// Hints of the controls that exist once per side; the side suffix "U1"/"U2" (and a
// slot label's index) is taken off the name before looking it up here.
constexpr std::array sideHints{
    Hint{"btnAdd", "Click this button to draw 1 card from DECK to HAND."},
    Hint{"btnQ5", "Click this button to draw as many cards as possible from DECK to HAND."},
    Hint{"btnOpen", "Click this button to open your DECK. You only get to open your deck once."},
    Hint{"btnField", "Click this button to place HAND card in FIELD."},
    Hint{"btnSacri", "Click this button to SACRIFICE card in HAND."},
    Hint{"btnSpecial", "Click this button to use SPECIAL card in HAND."},
    Hint{"btnAttack", "Click this button to attack opponent's card. The # in SLOT A is your card. The # in "
                      "SLOT B is opponent's card."},
    Hint{"btnMaster", "Click this button to take 1L from opponent. You must have 5 cards on the FIELD."},
    Hint{"btnEnd", "Click this button to end your turn."},
    Hint{"lblAtt", "Click this number to SACRIFICE this card."},
    Hint{"txtDeckCnt", "Number of cards in DECK."},
    Hint{"txtHandCnt", "Number of cards in HAND."},
    Hint{"txtGraveCnt", "Number of cards in GRAVEYARD."},
    Hint{"txtLp", "Number of LIFEPOINTS."},
    Hint{"txtSacriCnt", "Number of cards SACRIFICED."},
};

// Hints of single controls, named in full. The two DIRECT buttons are worded differently.
constexpr std::array namedHints{
    Hint{"btnDirectU1",
         "Click this button to take 1L from opponent. Opponent must have no cards on the FIELD. "
         "You must have at least 1 card on the FIELD."},
    Hint{"btnDirectU2",
         "Click this button to attack opponent's LP directly. Opponent must have no cards on the "
         "FIELD. You must have at least 1 card on the FIELD."},
    Hint{"btnHost", "Click this button to have someone join your game. You will be hosting."},
    Hint{"btnJoin", "Click this button to join someone's game. You will be joining."},
    Hint{"btnSet", "Click this button to finalize which player you will be."},
    Hint{"btnDisconnect", "Click this button to disconnect from the game."},
};

bool isSlotIndex(std::string_view s) {
    return s.size() == 1 && s[0] >= '1' && s[0] < '1' + slotCount;
}

// Splits "txtAttU2_3" into ("txtAtt", "u2", 3); the index is 0 when the name has none.
// Names without a side suffix give no side.
struct SideName {
    std::string_view base;
    std::optional<SideId> side;
    int index = 0;
};

SideName splitSideName(std::string_view name) {
    SideName result;
    if (name.size() >= 2 && name[name.size() - 2] == '_' && isSlotIndex(name.substr(name.size() - 1))) {
        result.index = name.back() - '0';
        name.remove_suffix(2);
    }
    if (name.size() > 2 && name[name.size() - 2] == 'U' && (name.back() == '1' || name.back() == '2')) {
        result.side = name.back() == '1' ? SideId::u1 : SideId::u2;
        result.base = name.substr(0, name.size() - 2);
    }
    return result;
}

CardId cardOf(CardId card) { return card; }
CardId cardOf(const GraveItem& item) { return item.card; }

template <class T> void showSelected(Window& w, const List<T>& list) {
    if (const T* item = list.selectedItem()) showCardRecord(w, cardOf(*item));
}

} // namespace

void showCardRecord(Window& w, CardId card) {
    w.txtDescControls.text = cardSubs::recordText(info(card));
    w.inspected = Window::Inspected{card, std::nullopt};
}

std::string_view controlHint(std::string_view controlName) {
    for (const Hint& h : namedHints)
        if (h.control == controlName) return h.text;
    const SideName n = splitSideName(controlName);
    if (!n.side) return {};
    if (n.index != 0 && n.base != "lblAtt") return {}; // of the arrays only the slot labels have a hint
    for (const Hint& h : sideHints)
        if (h.control == n.base) return h.text;
    return {};
}

void controlMouseMove(Window& w, std::string_view controlName) {
    const SideName n = splitSideName(controlName);
    if (n.base == "txtAtt" && n.index != 0 && n.side) {
        txtAtt_MouseMove(w, *n.side, n.index);
        return;
    }
    const std::string_view hint = controlHint(controlName);
    if (!hint.empty()) w.txtDescControls.text = hint;
}

void cmbGrave_Click(Window& w, SideId side) {
    showSelected(w, w.side(side).cmbGrave);
}
void lstDeck_Click(Window& w, SideId side) {
    showSelected(w, w.side(side).lstDeck);
}
void lstHand_Click(Window& w, SideId side) {
    showSelected(w, w.side(side).lstHand);
}

void txtAtt_MouseMove(Window& w, SideId side, int i) {
    if (i < 1 || i > slotCount) return;
    const FieldSlot& slot = w.side(side).slot(i);
    if (!slot.card) return;
    showCardRecord(w, *slot.card);
    w.inspected = Window::Inspected{*slot.card, side, i};
}

} // namespace grim::gameSubs
