#include "editors/MultiChoiceRules.h"

#include "editors/EditorStrings.h"
#include "base/KxUi.h"

#include <algorithm>

namespace {
constexpr long kRoomForNew = 65276;
constexpr long kRoomForChange = 65280;

std::string title() { return kxString(kxStrMultiChoiceTitle); }
} // namespace

std::size_t KxMultiChoiceEdit::listSize() const {
    std::size_t size = 14 + 4 * items_.size();
    for (const auto& item : items_) size += item.size();
    return size;
}

long KxMultiChoiceEdit::room(std::optional<std::size_t> modifying) const {
    long room = modifying ? kRoomForChange + static_cast<long>(items_.at(*modifying).size()) : kRoomForNew;
    room -= static_cast<long>(listSize());
    return std::min(room, static_cast<long>(kMaxItemLength));
}

bool KxMultiChoiceEdit::mayAddItem(KxUi& ui) const {
    if (items_.size() < kMaxItems) return true;
    ui.message(kxString(kxStrMaxItems, std::to_string(kMaxItems)), title(), KxButtons::Ok,
               KxIcon::Warning, KxAnswer::Ok);
    return false;
}

std::optional<std::size_t> KxMultiChoiceEdit::roomBeforeEditing(std::optional<std::size_t> modifying,
                                                                KxUi& ui) const {
    const long left = room(modifying);
    if (left <= 0) {
        ui.message(kxString(kxStrListFull), title(), KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
        return std::nullopt;
    }
    if (left < static_cast<long>(kMaxItemLength))
        ui.message(kxString(kxStrListNearlyFull), title(), KxButtons::Ok, KxIcon::Warning, KxAnswer::Ok);
    return static_cast<std::size_t>(left);
}

bool KxMultiChoiceEdit::confirmDelete(KxUi& ui) const {
    return ui.message(kxString(kxStrConfirmItemDelete), kxString(kxStrConfirmItemDeleteCaption),
                      KxButtons::OkCancel, KxIcon::Question, KxAnswer::Cancel) == KxAnswer::Ok;
}

bool KxMultiChoiceEdit::confirmCancel(KxUi& ui) const {
    if (!modified_) return true;
    return ui.message(kxString(kxStrConfirmItemsCancel), kxString(kxStrConfirmItemsCancelCaption),
                      KxButtons::YesNo, KxIcon::Question, KxAnswer::No) == KxAnswer::Yes;
}

void KxMultiChoiceEdit::insert(std::size_t position, std::string text) {
    position = std::min(position, items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), std::move(text));
    modified_ = true;
}

void KxMultiChoiceEdit::set(std::size_t position, std::string text) {
    if (position >= items_.size() || items_[position] == text) return;
    items_[position] = std::move(text);
    modified_ = true;
}

void KxMultiChoiceEdit::remove(std::size_t position) {
    if (position >= items_.size()) return;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
    modified_ = true;
}

void KxMultiChoiceEdit::move(std::size_t from, std::size_t to) {
    if (from >= items_.size() || to >= items_.size() || from == to) return;
    std::string moved = std::move(items_[from]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(from));
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
    modified_ = true;
}
