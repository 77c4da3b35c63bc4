#pragma once
// Index-checked edits of the small ordered lists the schema keeps (layout items, sort keys,
// list columns and the lists of those). An index that is not there is refused with 13.

#include "engine/KxDbError.h"

#include <cstddef>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

template <typename T>
T& kxElementAt(std::vector<T>& v, std::size_t index) {
    if (index >= v.size()) throw KxDbError::LimitReached;
    return v[index];
}

template <typename T>
const T& kxElementAt(const std::vector<T>& v, std::size_t index) {
    if (index >= v.size()) throw KxDbError::LimitReached;
    return v[index];
}

// Inserts before `position`, or appends when it is past the end; returns where it went.
template <typename T>
std::size_t kxInsertAt(std::vector<T>& v, std::size_t position, T value) {
    if (position > v.size()) position = v.size();
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(position), std::move(value));
    return position;
}

template <typename T>
void kxEraseAt(std::vector<T>& v, std::size_t index) {
    if (index >= v.size()) throw KxDbError::LimitReached;
    v.erase(v.begin() + static_cast<std::ptrdiff_t>(index));
}

// Takes the element at `from` out and puts it back before `to` (to = size: at the end).
// Moving onto itself or before its successor changes nothing.
template <typename T>
void kxMoveElement(std::vector<T>& v, std::size_t from, std::size_t to) {
    if (from >= v.size() || to > v.size()) throw KxDbError::LimitReached;
    if (to == from || to == from + 1) return;
    const auto first = v.begin() + static_cast<std::ptrdiff_t>(from);
    if (to < from) {
        std::rotate(v.begin() + static_cast<std::ptrdiff_t>(to), first, std::next(first));
    } else {
        std::rotate(first, std::next(first), v.begin() + static_cast<std::ptrdiff_t>(to));
    }
}
