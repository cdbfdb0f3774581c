// The control tags the two windows exchange ("</synch/>"), each named once: the senders
// write them from here and the receiver recognises them here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grim::onlineSubs {

enum class Tag : std::uint8_t {
    whatGameVersion, // the host asks for the joiner's version
    gameVersion,     // the joiner's answer, "</gameVersion=16/>"
    connected,       // the versions agree: the joiner opens the duel
    wrongVersion,    // they do not: the joiner closes the connection
    synch,           // player 2 may open its deck
    set1,            // the sender plays player 1
    set2,            // the sender plays player 2
    restartRequest,  // "</r/>": the sender's player asks for a new game
    restart,         // the other player agreed
};

// The tag as it travels; gameVersion carries this program's version.
std::string tagText(Tag tag);

// The tag a received control message is, in the order the receiver tests them: any message
// that begins "</gameVersion=" is a version answer (the version check reads the rest);
// nothing for a tag of another name.
std::optional<Tag> tagOf(std::string_view message);

} // namespace grim::onlineSubs
