#include "app/WindowTitle.h"

std::string kxWindowTitle(std::string_view documentTitle, std::string_view pathName,
                          std::string_view suffix) {
    std::string title;
    if (!documentTitle.empty() && !pathName.empty()) {
        title.append(documentTitle);
        title.append(" - ");
    }
    title.append(kxFrameTitle);
    if (!suffix.empty()) {
        title.push_back(' ');
        title.append(suffix);
    }
    return title;
}
