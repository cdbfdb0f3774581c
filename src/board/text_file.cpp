#include "board/text_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace grim {

TextLines readTextLines(const std::string& path, std::size_t maxLines) {
    TextLines result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.status = TextLines::Status::cannotOpen;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.status = TextLines::Status::cannotOpen;
        return result;
    }
    std::string line;
    bool inLine = false;  // bytes of an unfinished line have been read
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
    while (in) {
        in.read(buffer, sizeof buffer);
        const std::streamsize got = in.gcount();
        if (got <= 0) break;
        for (std::streamsize i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (pendingCR) {
                pendingCR = false;
                if (c == '\n') continue;  // the LF of a CR LF
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
    }
    if (in.bad()) {
        result.status = TextLines::Status::readError;
        return result;
    }
    if (inLine) finishLine();
    return result;
}

bool writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    const std::string temp = path + ".saving";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        for (const auto& l : lines) {
            out.write(l.data(), static_cast<std::streamsize>(l.size()));
            out.write("\r\n", 2);
        }
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace grim
