#pragma once
// Everything a database file holds, as a tree the tool prints as text or JSON.

#include "Json.h"

class KxDatabase;

JsonValue describeDatabase(const KxDatabase& db);
