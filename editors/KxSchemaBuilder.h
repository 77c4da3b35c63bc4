#pragma once
// Builds a schema from a list of field descriptions: the one place that turns "a field with
// these options" into definitions, form items and list options, used when a new database is
// made and when the Field and Form Editor commits its working copy.

#include "engine/KxHeaderChunk.h"

#include <cstdint>
#include <string>
#include <vector>

class KxDatabase;
class KxFieldWorkingCopy;

struct KxFieldSpec {
    std::string label; // database text (Windows-1252)
    KxFieldType type = KxFieldType::Text;
    std::uint32_t decimals = 0; // Number and Calculation
    bool showLabel = true;
    bool thousands = false;
    bool currency = false;
    bool hideSeconds = false;
    std::vector<std::string> items; // Multiple Choice (and Text) list
    std::uint8_t calcOperator = 4;
    std::uint8_t calcFirst = kNoField;  // field positions
    std::uint8_t calcSecond = kNoField;
};

// Form item display flags of a field: 0x04 label shown, 0x80 thousands separators,
// 0x100 currency symbol, 0x40 seconds hidden; no other flag.
std::uint16_t kxFormFlagsFor(const KxFieldSpec& spec);

class KxSchemaBuilder {
public:
    explicit KxSchemaBuilder(KxDatabase& db) : db_(db) {}

    // A new, empty form layout made current when the database has none.
    void ensureFormLayout();
    // Adds the field to the schema and appends it to the current form layout.
    std::size_t appendField(const KxFieldSpec& spec);
    // Writes the Field and Form Editor's working copy into the schema: the deleted fields go
    // (highest first), the form is emptied and the fields-to-print choice dropped, then every
    // field, in list order, is added or updated (a changed type converts its stored values)
    // and put on the form, and the calculations get their operands as field positions. A
    // list without columns gets one on the first field that is not Label Only.
    void commit(const KxFieldWorkingCopy& copy);
    // A sort definition with one key for each of the first five fields (in the given
    // order) that are not Label Only, ascending for four and "No Sort" for a fifth, and a
    // list options set linked to it with the same fields, 100 / n percent each; the set
    // becomes current. Returns the new set's index.
    std::size_t addDefaultListOptions(const std::vector<std::size_t>& fieldsInOrder);

private:
    // Type (with conversion), label, decimals, the list of a Multiple Choice field (and of a
    // Text field given one) and the operation of a calculation.
    void defineField(std::size_t position, const KxFieldSpec& spec);
    void appendFormItem(std::size_t position, const KxFieldSpec& spec);
    void dropPrintFieldList();
    void giveEmptyListAColumn(const std::vector<std::size_t>& positions, const KxFieldWorkingCopy& copy);

    KxDatabase& db_;
};

// The schema of a new database: default attributes, list pane share 50, the default form
// layout, the fields in order and the default list options.
void kxBuildNewDatabaseSchema(KxDatabase& db, const std::vector<KxFieldSpec>& fields,
                              std::uint16_t extraAttributes);
