#pragma once
// The Field and Form Editor's working copy: the database's fields in form order, edited
// freely while the editor is open and written to the schema only on OK. Calculation operands
// name other entries of this list by position, so every change to the list renumbers them.

#include "engine/KxHeaderChunk.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class KxDatabase;

inline constexpr std::uint16_t kxNoOperand = 0xFFFF;

// One field as the editor holds it.
struct KxWorkingField {
    bool isNew = true;       // added while the editor is open
    std::uint16_t id = 0;    // the field's position in the schema (existing fields)
    KxFieldType storedType = KxFieldType::LabelOnly; // the type its stored values have
    KxFieldType type = KxFieldType::Text;
    std::string label;       // database text, at most 20 characters
    bool hideLabel = false;
    std::uint32_t decimals = 0; // Number and Calculation
    bool thousands = false;
    bool currency = false;
    bool seconds = true;        // Time
    std::vector<std::string> items; // Multiple Choice
    std::uint8_t calcOp = 0;
    std::uint16_t first = kxNoOperand; // list positions
    std::uint16_t second = kxNoOperand;

    bool operator==(const KxWorkingField&) const = default;
};

class KxFieldWorkingCopy {
  public:
    static constexpr std::size_t kMaxFields = 250;
    static constexpr std::size_t kMaxLabel = 20;

    KxFieldWorkingCopy() = default;
    // The schema's fields in form order (fields missing from the form follow in field order).
    static KxFieldWorkingCopy load(const KxDatabase& db);

    const std::vector<KxWorkingField>& fields() const { return fields_; }
    std::size_t size() const { return fields_.size(); }
    const KxWorkingField& at(std::size_t position) const { return fields_.at(position); }
    // Identifiers of existing fields deleted while the editor is open.
    const std::vector<std::uint16_t>& deletedIds() const { return deleted_; }
    // The database holds a record, live or deleted.
    bool hasRecords() const { return hasRecords_; }
    void setHasRecords(bool has) { hasRecords_ = has; }
    bool modified() const { return modified_; }
    bool full() const { return fields_.size() >= kMaxFields; }

    void add(KxWorkingField field);
    // Puts the field before `position` (past the end appends).
    void insert(std::size_t position, KxWorkingField field);
    void remove(std::size_t position);
    // The field at `from` ends up at `to` (both positions in the list as it is before and
    // after the move).
    void move(std::size_t from, std::size_t to);
    // Replaces the field; nothing happens when it is unchanged.
    void modify(std::size_t position, KxWorkingField field);

    // Whether a Calculation relies on the field at `position` (a Number or Calculation):
    // it names it, or it is a Sum or Average below it that would collect it, or it is a
    // Grand Total and the field is a Sum.
    bool calculationDependsOn(std::size_t position) const;
    // The same for the field at `position` as the field dialog now holds it.
    bool calculationDependsOn(std::size_t position, const KxWorkingField& edited) const;
    // The first Number field other than the one at `except` (past the end: any); none when
    // there is no such.
    std::uint16_t firstNumberField(std::size_t except) const;
    bool hasSumField(std::size_t except) const;
    // The name shown in lists: the label, or "Field %d" with the position from 1.
    std::string displayName(std::size_t position) const;

  private:
    template <class Fn> void forEachOperand(Fn fn);
    void clearForwardCalculationOperands();

    std::vector<KxWorkingField> fields_;
    std::vector<std::uint16_t> deleted_;
    bool hasRecords_ = false;
    bool modified_ = false;
};

bool kxIsSumLike(const KxWorkingField& field); // a Sum, Average or Grand Total Calculation
