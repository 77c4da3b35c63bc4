#include "install/HandheldChoices.h"

#include "platform/NoCase.h"
#include "install/HandheldNameFetch.h"

#include <algorithm>

std::vector<KxHandheldChoice> kxHandheldChoices(const KxHandheldUserSource& users,
                                                const std::vector<std::string>& preselected) {
    std::vector<KxHandheldChoice> choices;
    for (std::string& name : kxHandheldUserNames(users)) {
        const bool ticked = std::any_of(preselected.begin(), preselected.end(),
                                        [&](const std::string& p) { return kxEqualNoCase(p, name); });
        choices.push_back({std::move(name), ticked});
    }
    return choices;
}
