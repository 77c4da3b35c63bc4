#pragma once
// The main window's title: "<document> - Rolva Desk" while a file is open, "Rolva Desk"
// otherwise, followed by the display mode's suffix ("(Deleted Records)", ...).

#include <string>
#include <string_view>

inline constexpr std::string_view kxFrameTitle = "Rolva Desk";

std::string kxWindowTitle(std::string_view documentTitle, std::string_view pathName,
                          std::string_view suffix);
