#include "deck/deck_file.h"

#include "board/text_file.h"

namespace grim::deckFile {

Contents read(const std::string& path) {
    Contents result;
    TextLines text = readTextLines(path, maxEntries + 1);
    // A file that cannot be opened, or whose first line cannot be read whole, is unreadable;
    // an empty file or any other first line is outdated.
    if (text.status == TextLines::Status::cannotOpen ||
        (text.lines.empty() && text.status != TextLines::Status::ok)) {
        result.status = Contents::Status::unreadable;
        return result;
    }
    if (text.lines.empty() || text.lines.front() != header) {
        result.status = Contents::Status::outdated;
        return result;
    }
    if (text.status != TextLines::Status::ok) {
        result.status = Contents::Status::unreadable;
        return result;
    }
    result.entries.assign(std::make_move_iterator(text.lines.begin() + 1),
                          std::make_move_iterator(text.lines.end()));
    result.moreThan40 = text.moreLines;
    return result;
}

bool write(const std::string& path, const std::vector<std::string>& entries) {
    std::vector<std::string> lines;
    lines.reserve(entries.size() + 1);
    lines.emplace_back(header);
    lines.insert(lines.end(), entries.begin(), entries.end());
    return writeTextLines(path, lines);
}

std::string unreadableMessage(const std::string& path) {
    return "The deck file \"" + path + "\" could not be read. It may be damaged or not a deck file.";
}

std::string saveFailedMessage(const std::string& path) {
    return "Your deck could not be saved to \"" + path +
           "\". Choose another file name or folder and try again.";
}

} // namespace grim::deckFile
