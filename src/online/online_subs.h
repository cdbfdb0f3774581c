// The online panel switched as a group, and the steps of a connection (module onlineSubs).
#pragma once

#include "board/window.h"

#include <cstddef>
#include <string>

namespace grim::onlineSubs {

// txtMsg, btnHost, btnJoin, btnDisconnect, btnSet, optPlayer1, optPlayer2, txtPlayer, txtIp, txtPort,
// txtServer, txtRoom.
void disableOnlineControls(Window& w);
// The three mode items enabled and unchecked: the player chooses a mode again.
void uncheckModes(Window& w);
// btnHost, btnJoin, txtPlayer, txtIp, txtPort, txtServer, txtRoom.
void enableConnectionControls(Window& w);
// Hides both sides' deck and hand lists.
void hideDeckAndHandLists(Window& w);
// Disables the name, address, port, meeting server and room boxes.
void lockConnectionFields(Window& w);

// HOST GAME, JOIN GAME and DISCONNECT (the last one asks first).
void hostGame(Window& w);
void joinGame(Window& w);
void disconnectGame(Window& w);
// The host's first words on a new connection: the log line and the version question.
void greetJoiner(Window& w);
// The versions agree: chat, DISCONNECT and NEW GAME become available.
void openDuel(Window& w);
// Clears the board for a new game between two windows: the sides are chosen again.
void newGameResetOnline(Window& w);
// NEW GAME while connected: asks the other window to restart.
void requestRestart(Window& w);

// The longest chat line or notice a window accepts from the other; a longer one ends the
// connection. The name and chat boxes take at most these many characters, which keeps a
// chat line ("^[" time "] " name ">-> " text) well within it whatever the clock shows.
inline constexpr std::size_t longestLine = 4096;
inline constexpr int longestName = 40;
inline constexpr int longestChatText = 4000;
static_assert(2 + 32 + 2 + longestName + 4 + longestChatText <= longestLine);

// The notice sent when this window's player refuses a restart.
inline constexpr const char* refusedNotice = "<Other player refused to start a new game.>";

// "Not able to host a game on port 33221: the address is in use."
std::string cannotListenMessage(const std::string& port, const std::string& whyNot);

} // namespace grim::onlineSubs
