#pragma once
// Reading the tags of generated HTML: enough to find elements and cut between them, not a
// parser of every document a browser accepts.

#include <optional>
#include <string>
#include <string_view>

char kxLowerAscii(char c);

// Where `what` stands in `text` from `from` on, in any case; npos when nowhere.
std::size_t kxFindNoCase(std::string_view text, std::string_view what, std::size_t from);

struct KxHtmlTag {
    std::size_t begin = 0;
    std::size_t end = 0;      // one past '>'
    std::size_t nameEnd = 0;  // where the attributes start
    std::string name;         // lower case
    bool closing = false;
};

// The tag starting at `at` (a '<'), or none when the '<' starts text.
std::optional<KxHtmlTag> kxReadHtmlTag(std::string_view text, std::size_t at);
