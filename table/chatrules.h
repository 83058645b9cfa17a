// The chat's rules that need no window: what a typed line or a phrase
// button sends, how a relayed line splits into its words and its colour,
// where a link lies in the chat's text and which links may be opened, and
// how often a phrase button may be used.
#pragma once

#include "net/colourtext.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace brixo::chatrules {

// The frame a typed line sends: "CMD_chat" with the line and the text
// colour, or for "/me ..." (any input whose first three characters are
// "/me") "CMD_action" with what follows the first four characters and the
// action colour. Nothing for an empty line or any other "/" input.
std::optional<std::string> sendit(int seat, std::string_view input, Colour textColour, Colour actionColour);

// A phrase button's frame: always an action in the action colour, "/me "
// phrases as they are, any other phrase after "says: ".
std::string phraseFrame(int seat, std::string_view phrase, Colour actionColour);

// A relayed chat or action text: the words before the first "|" and the
// colour after it; red when there is no "|" or the colour is unreadable.
struct ChatLine {
    std::string line;
    Colour colour = kRed;
};
ChatLine chatrecieved(std::string_view text);

// A link in the chat's text, as characters of that text.
struct Link {
    std::size_t start = 0;
    std::size_t length = 0;
    bool operator==(const Link&) const = default;
};
// The link in the word under the character at `pos` (the word runs
// between blanks and line breaks): from the first link prefix found in it
// to the word's end, without trailing characters other than "/", digits
// and letters, and only when longer than its prefix.
std::optional<Link> linkAt(std::u16string_view text, std::size_t pos);
// A link from another player is opened only when it goes to the web or to
// mail: "http://", "ftp://", "www.", "mailto:", "news:". Files, telnet and
// gopher links are shown, never opened.
bool opens(std::u16string_view link);

// At most one phrase per two seconds, whatever the speed of the clock
// that drives the table.
class PhraseLock {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kInterval{2000};

    // True (and the lock closes) when a phrase may go now.
    bool tryUse(Clock::time_point now);
    // How long the lock stays closed from now; zero while it is open.
    Clock::duration closedFor(Clock::time_point now) const;

private:
    std::optional<Clock::time_point> m_last;
};

} // namespace brixo::chatrules
