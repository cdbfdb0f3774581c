// The online panel switched as a group, and the steps of a connection (module onlineSubs).
#pragma once

#include "board/window.h"

#include <string>

namespace grim::onlineSubs {

inline constexpr const char* gameVersion = "16";

// txtMsg, btnHost, btnJoin, btnDisconnect, btnSet, optPlayer1, optPlayer2, txtPlayer, txtIp, txtPort.
void disableOnlineControls(Window& w);
// The three mode items enabled and unchecked: the player chooses a mode again.
void uncheckModes(Window& w);
// btnHost, btnJoin, txtPlayer, txtIp, txtPort.
void enableConnectionControls(Window& w);
// Hides both sides' deck and hand lists.
void hideDeckAndHandLists(Window& w);
// Disables the name, address and port boxes.
void lockConnectionFields(Window& w);

// HOST GAME, JOIN GAME and DISCONNECT (the last one asks first).
void hostGame(Window& w);
void joinGame(Window& w);
void disconnectGame(Window& w);
// The versions agree: chat, DISCONNECT and NEW GAME become available.
void openDuel(Window& w);
// Clears the board for a new game between two windows: the sides are chosen again.
void newGameResetOnline(Window& w);
// NEW GAME while connected: asks the other window to restart.
void requestRestart(Window& w);

// Messages the program shows or sends.
inline constexpr const char* noNameMessage = "You must type a name to identify yourself online.";
inline constexpr const char* noPortMessage = "You must type a port # to connect to.";
inline constexpr const char* noIpMessage = "You must type an IP # to connect to.";
inline constexpr const char* badPortMessage = "The port # must be a whole number from 1 to 65535.";
inline constexpr const char* disconnectQuestion =
    "Are you sure you want to disconnect? You will have to wait 3 minutes to play online again.";
inline constexpr const char* hangUpMessage =
    "Other player disconnected. Start a new game and please wait 3 minutes before rejoining/reconnecting.";
inline constexpr const char* errorMessage =
    "The online connection has encountered an error. I don't know why. Start a new game and please wait 3 "
    "minutes before rejoining/reconnecting";
inline constexpr const char* noSideMessage = "You need to select which player you want to be.";
inline constexpr const char* restartSentMessage =
    "A message to start a new game has been sent to other player. \r\nIf other player agrees, the game will "
    "restart.";
inline constexpr const char* restartQuestion = "Other player wishes to start a new game.";
inline constexpr const char* refusedNotice = "<Other player refused to start a new game.>";

// "Not able to host a game on port 33221: the address is in use."
std::string cannotListenMessage(const std::string& port, const std::string& whyNot);

} // namespace grim::onlineSubs
