#pragma once
// What the handheld installation page lists: every user the handheld user source returns
// successfully, in index order, each ticked when its name equals a pre-selected name
// ignoring case. The page of the Handheld Installation dialog and of the New Database
// wizard both show this.

#include <string>
#include <vector>

class KxHandheldUserSource;

struct KxHandheldChoice {
    std::string user;
    bool ticked = false;
};

std::vector<KxHandheldChoice> kxHandheldChoices(const KxHandheldUserSource& users,
                                                const std::vector<std::string>& preselected);
