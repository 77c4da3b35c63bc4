#pragma once
// Everything a database file holds, as a tree the tool prints as text or JSON.

#include "cli/Json.h"

class KxDatabase;

JsonValue describeDatabase(const KxDatabase& db);
