#include "transfer/MessageText.h"

std::string kxFillText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    auto next = arguments.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool place = pattern[i] == '%' && i + 1 < pattern.size() &&
                           (pattern[i + 1] == 's' || pattern[i + 1] == 'd');
        if (place && next != arguments.end()) {
            text += *next++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
