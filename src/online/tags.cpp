#include "online/tags.h"

#include "cards/version.h"

#include <array>

namespace grim::onlineSubs {

namespace {

constexpr std::string_view versionAnswer = "</gameVersion=";

// Every tag but the version answer, as it travels, in the order of Tag.
constexpr std::array<std::string_view, 9> fixed{
    "</whatGameVersion/>", {}, "</connected/>", "</wrongVersion/>", "</synch/>",
    "</set1/>",            "</set2/>", "</r/>",     "</restart/>",
};

} // namespace

std::string tagText(Tag tag) {
    if (tag == Tag::gameVersion) return std::string(versionAnswer) + gameVersionText() + "/>";
    return std::string(fixed[static_cast<std::size_t>(tag)]);
}

std::optional<Tag> tagOf(std::string_view message) {
    if (message.starts_with(versionAnswer)) return Tag::gameVersion;
    for (std::size_t i = 0; i < fixed.size(); ++i)
        if (!fixed[i].empty() && message == fixed[i]) return static_cast<Tag>(i);
    return std::nullopt;
}

} // namespace grim::onlineSubs
