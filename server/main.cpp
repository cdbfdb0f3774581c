// grimward-server: the meeting server. Two windows that cannot reach each other meet in a
// named room and the server passes their frames between them. Nothing is kept on disk and
// nothing of the game is read or logged; one status line goes to standard output a minute.
#include "server/relay.h"

#include <asio/io_context.hpp>
#include <asio/signal_set.hpp>

#include <sys/resource.h>

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr const char* usage =
    "usage: grimward-server [--port N] [--address A] [--max-rooms N] [--max-per-address N]\n"
    "  --port N             TCP port to listen on (default 33222; 0 takes any free port)\n"
    "  --address A          address to listen on (default 0.0.0.0, every IPv4 interface)\n"
    "  --max-rooms N        rooms waiting or paired at once (default 5000)\n"
    "  --max-per-address N  connections from one address at once (default 16)\n";

std::optional<unsigned long> number(std::string_view text, unsigned long least, unsigned long most) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < least || value > most) return {};
    return value;
}

// Each room holds two connections: take every file descriptor the system allows.
void raiseFileLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

} // namespace

int main(int argc, char** argv) {
    grim::meet::Relay::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            std::cout << usage;
            return 0;
        }
        if (i + 1 >= argc) {
            std::cerr << "grimward-server: " << option << " needs a value\n" << usage;
            return 2;
        }
        const std::string_view value = argv[++i];
        std::optional<unsigned long> n;
        if (option == "--port" && (n = number(value, 0, 65535)))
            options.port = static_cast<std::uint16_t>(*n);
        else if (option == "--address")
            options.address = std::string(value);
        else if (option == "--max-rooms" && (n = number(value, 1, 1'000'000)))
            options.limits.maxRooms = *n;
        else if (option == "--max-per-address" && (n = number(value, 1, 1'000'000)))
            options.limits.maxPerAddress = *n;
        else {
            std::cerr << "grimward-server: bad option " << option << " " << value << "\n" << usage;
            return 2;
        }
    }
    raiseFileLimit();
    options.status = [](const std::string& line) { std::cout << line << std::endl; };
    try {
        asio::io_context io(1);
        grim::meet::Relay relay(io, options);
        asio::signal_set stop(io, SIGINT, SIGTERM);
        stop.async_wait([&io](std::error_code, int) { io.stop(); });
        std::cout << "grimward-server listening on " << options.address << " port " << relay.port()
                  << std::endl;
        io.run();
    } catch (const std::exception& e) { // the address or port cannot be had
        std::cerr << "grimward-server: cannot listen on " << options.address << " port " << options.port
                  << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
