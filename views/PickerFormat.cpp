#include "views/PickerFormat.h"

#include <algorithm>
#include <functional>

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Literal text in the pickers' quoting: inside single quotes, a quote doubled.
void appendLiteral(std::string& out, std::string_view text) {
    if (text.empty()) return;
    out += '\'';
    for (const char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    out += '\'';
}

// Walks a picture: quoted text and unknown letters become literals, other characters are
// copied, and every run of one letter is handed to field(letter, length), which appends
// the picker's field or returns false to keep the run as literal text.
std::string rewrite(std::string_view picture,
                    const std::function<bool(std::string&, char, std::size_t)>& field) {
    std::string out;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            std::string literal;
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        literal += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += picture[i++];
            }
            appendLiteral(out, literal);
            continue;
        }
        if (!isLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        if (!field(out, c, run)) appendLiteral(out, picture.substr(i, run));
        i += run;
    }
    return out;
}

} // namespace

std::string kxPickerDateFormat(std::string_view shortDatePicture) {
    return rewrite(shortDatePicture, [](std::string& out, char c, std::size_t run) {
        switch (c) {
        case 'd':
        case 'M':
            out.append(std::min<std::size_t>(run, 4), c);
            return true;
        case 'y':
            out += run > 3 ? "yyyy" : "yy";
            return true;
        case 'g':
            return true; // the era is not shown
        default:
            return false;
        }
    });
}

std::string kxPickerTimeFormat(std::string_view timePicture) {
    return rewrite(timePicture, [](std::string& out, char c, std::size_t run) {
        switch (c) {
        case 'h':
        case 'H':
        case 'm':
        case 's':
            out.append(std::min<std::size_t>(run, 2), c);
            return true;
        case 't':
            out += "AP";
            return true;
        default:
            return false;
        }
    });
}
