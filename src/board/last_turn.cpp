#include "board/last_turn.h"

#include "board/turn_state.h"

#include <algorithm>

namespace grim {

namespace {

using Kind = TurnChange::Kind;

// Takes one item out of a bag; false when it is not there.
template <class T> bool take(std::vector<T>& bag, const T& item) {
    const auto it = std::find(bag.begin(), bag.end(), item);
    if (it == bag.end()) return false;
    bag.erase(it);
    return true;
}

// The items of a that are not matched by an item of b, each item matching once.
template <class T> std::vector<T> without(const std::vector<T>& a, std::vector<T> b) {
    std::vector<T> rest;
    for (const T& item : a)
        if (!take(b, item)) rest.push_back(item);
    return rest;
}

std::vector<CardId> cardsOf(const std::vector<GraveItem>& items) {
    std::vector<CardId> cards;
    for (const GraveItem& item : items)
        cards.push_back(item.card);
    return cards;
}

std::vector<CardId> graveLostOf(const Side& b, const Side& a) {
    return cardsOf(without(b.cmbGrave.items(), a.cmbGrave.items()));
}

// The changes of one side; theirGraveLost are the cards gone from the other side's graveyard,
// which a card new in this graveyard may have come from.
void sideChanges(SideId id, const Side& b, const Side& a, std::vector<CardId> theirGraveLost,
                 std::optional<SideId> mover, std::vector<TurnChange>& out) {
    auto add = [&](Kind kind, std::optional<CardId> card = std::nullopt, int slot = 0, int from = 0,
                   int to = 0, int count = 0) {
        out.push_back(TurnChange{id, kind, card, slot, from, to, count});
    };

    if (b.lstDeck.empty() && b.lstHand.empty() && !(a.lstDeck.empty() && a.lstHand.empty()))
        add(Kind::deckOpened);
    const std::size_t drewAt = out.size();

    // Cards into the hand from the graveyard; the rest came from the deck.
    std::vector<CardId> graveLost = graveLostOf(b, a);
    std::vector<CardId> fromGrave;
    for (CardId card : without(a.lstHand.items(), b.lstHand.items()))
        if (take(graveLost, card)) fromGrave.push_back(card);
    // Cards that left the hand in the turn, drawn in it or not.
    int leftHand = 0;
    // The C the fielded cards cost.
    int fieldingC = 0;

    std::vector<GraveItem> graveGained = without(a.cmbGrave.items(), b.cmbGrave.items());
    for (int i = 1; i <= slotCount; ++i) {
        const FieldSlot& was = b.slot(i);
        const FieldSlot& is = a.slot(i);
        if (was.card && was.card == is.card) {
            if (was.power != is.power) add(Kind::powerChanged, was.card, i, was.power, is.power);
            continue;
        }
        if (was.card) {
            add(Kind::removed, was.card, i, was.power);
            // The card's way to the graveyard is this removal, not a line of its own.
            const auto it = std::find_if(graveGained.begin(), graveGained.end(),
                                         [&](const GraveItem& g) { return g.card == *was.card && g.power; });
            if (it != graveGained.end()) graveGained.erase(it);
        }
        if (is.card) {
            ++leftHand;
            fieldingC += cardCost(is.card->code()).sacrificed;
            add(Kind::fielded, is.card, i, 0, is.power);
        }
    }

    // A regular card from the hand to the graveyard is a sacrifice of the side that moved; of the
    // other side it was taken by an effect. Without the mover, a rise of the side's C tells. A
    // special card from the hand was played, unless the side earned more C than its regular cards
    // account for: then it was sacrificed, or, where the board cannot tell which, either.
    const bool sacrificing = mover ? *mover == id : a.txtSacriCnt.value > b.txtSacriCnt.value;
    std::vector<CardId> regulars, specials;
    for (const GraveItem& item : graveGained) {
        if (item.power || take(theirGraveLost, item.card)) {
            add(Kind::intoGrave, item.card);
            continue;
        }
        ++leftHand;
        (item.card.special() ? specials : regulars).push_back(item.card);
    }
    for (CardId card : regulars)
        add(sacrificing ? Kind::sacrificed : Kind::handToGrave, card);
    const int earned = a.txtSacriCnt.value - b.txtSacriCnt.value + fieldingC;
    const int specialSacrifices = sacrificing ? earned - static_cast<int>(regulars.size()) : 0;
    for (CardId card : specials)
        add(specialSacrifices <= 0                                   ? Kind::specialPlayed
            : specialSacrifices >= static_cast<int>(specials.size()) ? Kind::sacrificed
                                                                     : Kind::specialGone,
            card);
    for (CardId card : fromGrave)
        add(Kind::tookFromGrave, card);
    for (CardId card : graveLost)
        add(Kind::leftGrave, card);

    const int drawn = a.lstHand.count() - b.lstHand.count() + leftHand - static_cast<int>(fromGrave.size());
    if (drawn > 0)
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(drewAt),
                   TurnChange{id, Kind::drew, std::nullopt, 0, 0, 0, drawn});

    if (b.txtLp.value != a.txtLp.value) add(Kind::lifePoints, std::nullopt, 0, b.txtLp.value, a.txtLp.value);
    if (b.txtSacriCnt.value != a.txtSacriCnt.value)
        add(Kind::sacrificedCount, std::nullopt, 0, b.txtSacriCnt.value, a.txtSacriCnt.value);
}

bool blank(const Side& s) {
    return s.lstDeck.empty() && s.lstHand.empty() && s.cmbGrave.empty() &&
           std::all_of(s.txtAtt.begin(), s.txtAtt.end(), [](const FieldSlot& f) { return f.empty(); });
}

// Whose turns the last-turn box tells of at this window.
bool watched(const Window& w, SideId side) {
    switch (playMode(w)) {
    case PlayMode::offline:
        return true;
    case PlayMode::computer:
        return side == SideId::u2;
    case PlayMode::online:
    case PlayMode::none:
        return false; // online, the other window's turn is followed through its board's arrival
    }
    return false;
}

} // namespace

std::vector<TurnChange> turnChanges(const BoardSides& before, const BoardSides& after,
                                    std::optional<SideId> mover) {
    std::vector<TurnChange> out;
    sideChanges(SideId::u1, before.u1, after.u1, graveLostOf(before.u2, after.u2), mover, out);
    sideChanges(SideId::u2, before.u2, after.u2, graveLostOf(before.u1, after.u1), mover, out);
    return out;
}

std::string changeText(const TurnChange& c) {
    const std::string who = c.side == SideId::u1 ? "Player 1" : "Player 2";
    const std::string whose = who + "'s ";
    const std::string inWhose = c.side == SideId::u1 ? "player 1's " : "player 2's "; // within a sentence
    const std::string card = c.card ? entryText(*c.card) : std::string();
    const std::string slot = "slot " + std::to_string(c.slot);
    switch (c.kind) {
    case Kind::deckOpened:
        return who + " opened a deck.";
    case Kind::drew:
        return who + " drew " + std::to_string(c.count) + (c.count == 1 ? " card." : " cards.");
    case Kind::fielded:
        return who + " fielded " + card + " in " + slot + " (power " + std::to_string(c.to) + ").";
    case Kind::removed:
        return whose + card + " left " + slot + ".";
    case Kind::powerChanged:
        return whose + card + " in " + slot + ": power " + std::to_string(c.from) + " -> " +
               std::to_string(c.to) + ".";
    case Kind::sacrificed:
        return who + " sacrificed " + card + " from the hand.";
    case Kind::handToGrave:
        return card + " went from " + inWhose + "hand to the graveyard.";
    case Kind::specialGone:
        return who + " played or sacrificed the special card " + card + ".";
    case Kind::specialPlayed:
        return who + " played the special card " + card + ".";
    case Kind::intoGrave:
        return card + " came into " + inWhose + "graveyard.";
    case Kind::tookFromGrave:
        return who + " took " + card + " from the graveyard into the hand.";
    case Kind::leftGrave:
        return card + " left " + inWhose + "graveyard.";
    case Kind::lifePoints:
        return whose + "life points: " + std::to_string(c.from) + " -> " + std::to_string(c.to) + ".";
    case Kind::sacrificedCount:
        return whose + "sacrificed cards: " + std::to_string(c.from) + " -> " + std::to_string(c.to) + ".";
    }
    return {};
}

void LastTurnWatch::observe(const Window& w) {
    const BoardSides now = BoardSides::of(w);
    if (blank(now.u1) && blank(now.u2)) changes_.clear(); // a new game, or none yet

    // At one machine: a turn ends when the side to move changes.
    const bool online = playMode(w) == PlayMode::online;
    const std::optional<SideId> mover = sideToMove(w);
    if (mover != mover_ && !online) {
        if (mover_ && start_ && watched(w, *mover_)) changes_ = turnChanges(*start_, now, mover_);
        if (mover) start_ = now;
    }
    mover_ = mover;

    // Online: the other window's turn runs from this window's end of turn (its board is then
    // due here) until that board has arrived whole while still connected.
    if (online) {
        if (incoming_ == Window::Incoming::none && w.incoming != Window::Incoming::none) start_ = now;
        if (incoming_ == Window::Incoming::arriving && w.incoming == Window::Incoming::none && connected(w) &&
            start_)
            changes_ =
                turnChanges(*start_, now, other(w.online.optPlayer1.checked ? SideId::u1 : SideId::u2));
    }
    incoming_ = w.incoming;
}

} // namespace grim
