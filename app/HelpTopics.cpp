#include "app/HelpTopics.h"

#include <array>
#include <utility>

namespace {
// Parts of class names and the section they lead to; the first match wins, so the more
// particular names come first. The main window has none: it opens the guide at its start.
constexpr std::array<std::pair<std::string_view, std::string_view>, 19> kTopics{{
    {"Clipboard", "Records"},
    {"RecordInfo", "Records"},
    {"DbProperties", "Records"},
    {"Search", "Search"},
    {"EditNames", "Search"},
    {"ListOptions", "List options"},
    {"Categor", "Categories"},
    {"FormOptions", "Field and Form Editor"},
    {"FieldNForm", "Field and Form Editor"},
    {"FieldEdit", "Field and Form Editor"},
    {"MultiChoice", "Field and Form Editor"},
    {"Calc", "Field and Form Editor"},
    {"NewDatabase", "Getting started"},
    {"Import", "Import and export"},
    {"Export", "Import and export"},
    {"Print", "Printing"},
    {"Handheld", "Handheld installation"},
    {"Preferences", "The window"},
    {"MessageBox", "Messages"},
}};
} // namespace

std::string kxHelpSection(std::string_view windowClass) {
    for (const auto& [part, section] : kTopics)
        if (windowClass.find(part) != std::string_view::npos) return std::string(section);
    return {};
}
