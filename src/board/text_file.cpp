#include "board/text_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grim {

namespace fs = std::filesystem;

namespace {

// An open file descriptor, closed when it goes.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

TextLines readTextLines(const std::string& path, std::size_t maxLines) {
    TextLines result;
    // Opened without waiting (a pipe would wait for a writer) and then checked on the open
    // descriptor: only a plain file is read, as it is at that moment; a folder, a pipe or a
    // device could block or never end.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = TextLines::Status::cannotOpen;
        return result;
    }
    std::string line;
    bool inLine = false; // bytes of an unfinished line have been read
    auto finishLine = [&]() -> bool {
        if (result.lines.size() == maxLines) {
            result.moreLines = true;
            return false;
        }
        result.lines.push_back(std::move(line));
        line.clear();
        inLine = false;
        return true;
    };
    char buffer[8192];
    bool pendingCR = false;
    long long total = 0;
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.status = TextLines::Status::readError;
            return result;
        }
        if (got == 0) break;
        total += got;
        for (ssize_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (pendingCR) {
                pendingCR = false;
                if (c == '\n') continue; // the LF of a CR LF
            }
            if (c == '\r' || c == '\n') {
                pendingCR = c == '\r';
                if (!finishLine()) return result;
                continue;
            }
            if (result.lines.size() == maxLines) {
                result.moreLines = true;
                return result;
            }
            if (line.size() == maxLineLength) {
                result.status = TextLines::Status::lineTooLong;
                return result;
            }
            line.push_back(c);
            inLine = true;
        }
        // A plain file read to the size it had when opened is read whole: no further read.
        if (static_cast<std::size_t>(got) < sizeof buffer && total >= info.st_size) break;
    }
    if (inLine) finishLine();
    return result;
}

namespace {

// Writes all of data to the open file descriptor.
bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Creates a new file beside target that did not exist before; its name goes to temp.
// Never opens a file that is already there, so no other file is touched.
int createTemporary(const fs::path& target, fs::path& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target;
        temp += attempt == 0 ? std::string(".saving") : ".saving" + std::to_string(attempt);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

bool writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    if (path.empty()) return false;
    std::error_code ec;
    fs::path target(path);
    if (fs::exists(target, ec)) {
        // Only a plain file is replaced (through a link, the file it names), and only one
        // the program could also have overwritten in place.
        if (!fs::is_regular_file(target, ec)) return false;
        target = fs::canonical(target, ec);
        if (ec || ::access(target.c_str(), W_OK) != 0) return false;
    } else if (ec) {
        return false;
    }

    std::string data;
    for (const auto& l : lines) {
        data += l;
        data += "\r\n";
    }

    fs::path temp;
    const int fd = createTemporary(target, temp);
    if (fd < 0) return false;
    const bool written = writeAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace grim
