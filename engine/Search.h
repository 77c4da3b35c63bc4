#pragma once
// Running a saved search: every live record that satisfies all of the search's criteria is
// marked found, every other one unmarked. Deleted records are never searched.

#include <cstddef>

class KxDatabase;

// Runs search `index`; returns how many records matched. Progress goes to the database's
// progress callback as (record number, record count).
std::size_t kxRunSearch(KxDatabase& db, std::size_t index);

// The live records marked found.
std::size_t kxCountMarked(const KxDatabase& db);
