#include "online/meeting_wire.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace grim::meet {

namespace {
constexpr std::array<std::string_view, 5> answers = {"</waiting/>", "</paired/>", "</roomTaken/>",
                                                     "</badRoom/>", "</busy/>"};
constexpr std::string_view hostOpen = "</host=", joinOpen = "</join=", close = "/>";

bool roomCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}
} // namespace

std::string_view answerText(Answer answer) {
    return answers.at(static_cast<std::size_t>(answer));
}

std::optional<Answer> answerOf(std::string_view message) {
    const auto at = std::find(answers.begin(), answers.end(), message);
    if (at == answers.end()) return {};
    return static_cast<Answer>(at - answers.begin());
}

bool validRoom(std::string_view room) {
    return !room.empty() && room.size() <= longestRoom &&
           std::all_of(room.begin(), room.end(), roomCharacter);
}

std::string roomKey(std::string_view room) {
    std::string key(room);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::string firstFrameText(Role role, std::string_view room) {
    return std::string(role == Role::host ? hostOpen : joinOpen) + std::string(room) + std::string(close);
}

std::optional<FirstFrame> parseFirstFrame(std::string_view message) {
    if (message.size() > longestFirstFrame || !message.ends_with(close)) return {};
    Role role;
    if (message.starts_with(hostOpen))
        role = Role::host;
    else if (message.starts_with(joinOpen))
        role = Role::join;
    else
        return {};
    const std::string_view room =
        message.substr(hostOpen.size(), message.size() - hostOpen.size() - close.size());
    if (message.size() < hostOpen.size() + close.size() || !validRoom(room)) return {};
    return FirstFrame{role, std::string(room)};
}

std::optional<ServerAddress> parseServerAddress(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos) return {};
    std::string_view host = text.substr(0, colon);
    const std::string_view port = text.substr(colon + 1);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    else if (host.find(':') != std::string_view::npos)
        return {}; // an IPv6 address goes in brackets
    if (host.empty() || host.find_first_of(" []") != std::string_view::npos) return {};
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (error != std::errc{} || end != port.data() + port.size() || value < 1 || value > 65535) return {};
    return ServerAddress{std::string(host), static_cast<std::uint16_t>(value)};
}

} // namespace grim::meet
