// The texts of the three boxes of the ABOUT menu.
#pragma once

namespace grim::app::about {

inline constexpr const char* creatorTitle = "The game's GOD";
inline constexpr const char* creator = "Grimward was designed and programmed by Rowan Hale.";

inline constexpr const char* creditsTitle = "Thanks to";
inline constexpr const char* credits =
    "First, I would like to thank the members of the programming help forum for answering all of my "
    "coding questions.\r\n"
    "Second, I would like to thank the beta testers who helped me test and find the errors in the program.";

inline constexpr const char* commentsTitle = "Comments";
inline constexpr const char* comments =
    "If you would like to make a comment or suggestion about the game please send an e-mail to "
    "grimward.game@example.com.\r\n"
    "Please put GRIMWARD in the subject line.";

} // namespace grim::app::about
