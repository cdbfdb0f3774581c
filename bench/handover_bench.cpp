// One whole board hand-over: the sender writes the eight parts from its board, each is
// framed, the receiver's decoder takes the bytes back apart, checks each part and writes it
// into its board. The goal is that this never matters: well over 100,000 hand-overs a second.
#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "online/board_parts.h"
#include "online/hand_over.h"
#include "online/framing.h"
#include "support/fakes.h"

#include <benchmark/benchmark.h>

namespace {

using namespace grim;

// A board in the middle of a game: full decks less a few draws, full hands, fields and graveyards.
void fillBoard(Window& w) {
    auto card = [](int index) { return CardId::at(index % regularCount); };
    for (Side* s : {&w.u1, &w.u2}) {
        std::vector<CardId> deck, hand;
        std::vector<GraveItem> grave;
        for (int i = 0; i < 30; ++i)
            deck.push_back(card(i * 7));
        for (int i = 0; i < 5; ++i)
            hand.push_back(card(i + 20));
        for (int i = 0; i < 5; ++i)
            grave.push_back({card(i + 40), i % 2 ? std::optional<std::int16_t>(150) : std::nullopt});
        s->lstDeck.setItems(deck);
        s->lstHand.setItems(hand);
        s->cmbGrave.setItems(grave);
        for (int i = 1; i <= 4; ++i)
            gameSubs::putCard(s->slot(i), card(i + 50), 300);
        writeNumber(s->txtDeckCnt, 30);
        writeNumber(s->txtHandCnt, 5);
        writeNumber(s->txtGraveCnt, 5);
        writeNumber(s->txtLp, 17);
    }
}

void BM_HandOver(benchmark::State& state) {
    test::TestWindow sender, receiver;
    fillBoard(sender.w);
    wire::Decoder decoder;
    std::vector<std::string> messages;
    for (auto _ : state) {
        std::string bytes;
        for (int n = 1; n <= onlineSubs::partCount; ++n)
            bytes += wire::frame(onlineSubs::encodePart(sender.w, n));
        messages.clear();
        receiver.w.incoming = Window::Incoming::arriving; // the other window's notice has come
        decoder.feed(bytes, messages);
        for (const auto& m : messages)
            onlineSubs::receivePart(receiver.w, m);
        if (receiver.w.partsReceived != onlineSubs::partCount) state.SkipWithError("a part was refused");
        receiver.w.partsReceived = 0;
        benchmark::DoNotOptimize(receiver.w.u2.lstDeck.count());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HandOver);

} // namespace

BENCHMARK_MAIN();
