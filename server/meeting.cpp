#include "server/meeting.h"

#include "online/framing.h"

#include <algorithm>

namespace grim::meet {

bool Meeting::opened(ConnectionId id, const std::string& address, Millis now) {
    std::size_t& fromThere = perAddress_[address];
    if (fromThere >= limits_.maxPerAddress) {
        if (fromThere == 0) perAddress_.erase(address);
        outlet_.send(id, wire::frame(answerText(Answer::busy)));
        outlet_.close(id);
        return false;
    }
    ++fromThere;
    Connection& c = connections_[id];
    c.address = address;
    greetings_.push_back({now + limits_.firstFrameWait, id});
    return true;
}

void Meeting::received(ConnectionId id, std::string_view bytes, Millis now) {
    const auto at = connections_.find(id);
    if (at == connections_.end() || bytes.empty()) return;
    Connection& c = at->second;
    switch (c.stage) {
    case Stage::greeting:
        return greet(id, c, bytes, now);
    case Stage::waiting:
        // A window says nothing between its first frame and "</paired/>".
        return end(id);
    case Stage::paired:
        return pass(id, c, bytes);
    }
}

void Meeting::greet(ConnectionId id, Connection& c, std::string_view bytes, Millis now) {
    // Only as many bytes as the longest first frame are ever held.
    const std::size_t room = wire::headerSize + longestFirstFrame + 1 - c.first.size();
    c.first.append(bytes.substr(0, room));
    if (c.first.size() < wire::headerSize) return;
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < wire::headerSize; ++i)
        length = (length << 8) | static_cast<unsigned char>(c.first[i]);
    if (length > wire::maxMessage) return end(id); // over the game's limit: closed without a word
    if (length > longestFirstFrame) return refuse(id, Answer::badRoom);
    if (c.first.size() < wire::headerSize + length) return;
    const std::optional<FirstFrame> f =
        parseFirstFrame(std::string_view(c.first).substr(wire::headerSize, length));
    if (!f) return refuse(id, Answer::badRoom);
    // Nothing may follow the first frame before the answer.
    if (bytes.size() > room || c.first.size() > wire::headerSize + length) return end(id);
    enter(id, c, *f, now);
}

void Meeting::enter(ConnectionId id, Connection& c, const FirstFrame& f, Millis now) {
    std::string key = roomKey(f.room);
    auto at = rooms_.find(key);
    if (at == rooms_.end()) {
        if (rooms_.size() >= limits_.maxRooms) return refuse(id, Answer::busy);
        at = rooms_.emplace(key, Room{}).first;
    }
    Room& r = at->second;
    std::optional<ConnectionId>& mine = f.role == Role::host ? r.host : r.join;
    const std::optional<ConnectionId> other = f.role == Role::host ? r.join : r.host;
    if (mine) return refuse(id, Answer::roomTaken);
    mine = id;
    c.role = f.role;
    c.room = std::move(key);
    c.first.clear();
    c.first.shrink_to_fit();
    if (!other) {
        c.stage = Stage::waiting;
        waits_.push_back({now + limits_.partnerWait, id});
        return answer(id, Answer::waiting);
    }
    Connection& p = connections_.at(*other);
    c.stage = p.stage = Stage::paired;
    c.partner = *other;
    p.partner = id;
    ++paired_;
    answer(*other, Answer::paired);
    answer(id, Answer::paired);
}

// Passes the bytes on unchanged, watching only the frames' length fields.
void Meeting::pass(ConnectionId id, Connection& c, std::string_view bytes) {
    std::size_t at = 0;
    std::size_t frameStart = 0; // where the length field being read began in these bytes
    while (at < bytes.size()) {
        if (c.bodyLeft > 0) {
            const std::size_t take = std::min<std::size_t>(c.bodyLeft, bytes.size() - at);
            c.bodyLeft -= static_cast<std::uint32_t>(take);
            at += take;
            continue;
        }
        if (c.headerHave == 0) frameStart = at;
        c.header = (c.header << 8) | static_cast<unsigned char>(bytes[at++]);
        if (++c.headerHave < wire::headerSize) continue;
        if (c.header > wire::maxMessage) {
            // The frames before it still go; the over-long one ends both connections.
            if (frameStart > 0) outlet_.send(c.partner, bytes.substr(0, frameStart));
            bytesPassed_ += frameStart;
            return end(id);
        }
        c.bodyLeft = c.header;
        c.header = 0;
        c.headerHave = 0;
    }
    outlet_.send(c.partner, bytes);
    bytesPassed_ += bytes.size();
}

void Meeting::refuse(ConnectionId id, Answer a) {
    answer(id, a);
    end(id);
}

void Meeting::answer(ConnectionId id, Answer a) {
    outlet_.send(id, wire::frame(answerText(a)));
}

void Meeting::closed(ConnectionId id) {
    if (!connections_.count(id)) return;
    // The hung-up connection is not closed again; its partner is.
    const auto at = connections_.find(id);
    const std::optional<ConnectionId> p = partner(id);
    Connection c = std::move(at->second);
    connections_.erase(at);
    if (std::size_t& n = perAddress_[c.address]; --n == 0) perAddress_.erase(c.address);
    if (c.room.empty()) return;
    if (p) {
        rooms_.erase(c.room);
        --paired_;
        drop(*p);
        return;
    }
    if (c.stage == Stage::waiting) rooms_.erase(c.room);
}

void Meeting::end(ConnectionId id) {
    const std::optional<ConnectionId> p = partner(id);
    const auto at = connections_.find(id);
    if (at == connections_.end()) return;
    const Stage stage = at->second.stage;
    const std::string room = at->second.room;
    drop(id);
    if (p) {
        drop(*p);
        --paired_;
    }
    if (stage != Stage::greeting) rooms_.erase(room);
}

void Meeting::drop(ConnectionId id) {
    const auto at = connections_.find(id);
    if (at == connections_.end()) return;
    if (std::size_t& n = perAddress_[at->second.address]; --n == 0) perAddress_.erase(at->second.address);
    connections_.erase(at);
    outlet_.close(id);
}

void Meeting::tick(Millis now) {
    for (auto* queue : {&greetings_, &waits_}) {
        const Stage due = queue == &greetings_ ? Stage::greeting : Stage::waiting;
        while (!queue->empty() && queue->front().at <= now) {
            const ConnectionId id = queue->front().id;
            queue->pop_front();
            const auto at = connections_.find(id);
            if (at != connections_.end() && at->second.stage == due) end(id);
        }
    }
}

std::optional<ConnectionId> Meeting::partner(ConnectionId id) const {
    const auto at = connections_.find(id);
    if (at == connections_.end() || at->second.stage != Stage::paired) return {};
    return at->second.partner;
}

Counts Meeting::counts() const {
    return {rooms_.size() - paired_, paired_, connections_.size(), bytesPassed_};
}

} // namespace grim::meet
