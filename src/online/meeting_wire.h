// What a window and the meeting server say before two windows are paired: the first frame a
// window sends ("</host=ROOM/>" or "</join=ROOM/>") and the server's answers. After
// "</paired/>" the server passes the game's own frames through unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grim::meet {

// The port a meeting server listens on unless told otherwise.
inline constexpr std::uint16_t defaultPort = 33222;
// A room name is 1 to this many characters from A-Z, a-z, 0-9 and "-".
inline constexpr std::size_t longestRoom = 32;
// The longest first frame a window can send: "</join=" + a room of longestRoom + "/>".
inline constexpr std::size_t longestFirstFrame = 7 + longestRoom + 2;

enum class Role : std::uint8_t { host, join };

// The server's answers, each a whole message.
enum class Answer : std::uint8_t { waiting, paired, roomTaken, badRoom, busy };

std::string_view answerText(Answer answer);
// The answer a received message is; nothing for any other text.
std::optional<Answer> answerOf(std::string_view message);

bool validRoom(std::string_view room);
// The room as the server compares it: lower case.
std::string roomKey(std::string_view room);

// "</host=ROOM/>" or "</join=ROOM/>"; the room must be valid.
std::string firstFrameText(Role role, std::string_view room);

struct FirstFrame {
    Role role;
    std::string room; // as sent, not yet lower case
};
// Reads a first frame: exactly "</host=" or "</join=", a valid room, "/>".
std::optional<FirstFrame> parseFirstFrame(std::string_view message);

// A meeting server's address typed as "host:port" (an IPv6 address in brackets,
// "[::1]:33222"); the port a whole number from 1 to 65535. Nothing for any other text.
struct ServerAddress {
    std::string host;
    std::uint16_t port;
};
std::optional<ServerAddress> parseServerAddress(std::string_view text);

} // namespace grim::meet
