#include "transfer/KxDatabaseExport.h"

#include "editors/KxSchemaBuilder.h"
#include "transfer/KxFieldSelection.h"

#include "engine/KxCategoryEditor.h"
#include "engine/KxItemListChunk.h"
#include "engine/KxDbError.h"
#include "engine/KxRecordChunk.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSchemaEditor.h"
#include "engine/Sort.h"
#include "engine/KxFileReplacement.h"


namespace {

constexpr std::uint16_t kFlagLabelShown = 0x04;

// The display flags of the field's item in the current form layout; a field missing from the
// form shows its label and nothing else.
std::uint16_t formFlagsOf(const KxDatabase& db, std::uint8_t field) {
    const KxHeaderChunk& header = db.header();
    if (header.currentLayout() < header.layouts.size()) {
        for (const KxFormItem& item : header.layouts[header.currentLayout()].items)
            if (item.field == field) return item.flags;
    }
    return kFlagLabelShown;
}

KxFieldSpec specOf(const KxDatabase& source, const KxFieldSelection& selection, std::size_t i) {
    const std::uint8_t field = selection.fieldAt(i);
    const KxFieldDef& def = source.header().fields.at(field);
    const std::uint16_t flags = formFlagsOf(source, field);
    KxFieldSpec spec;
    spec.type = def.type;
    spec.label = selection.labelAt(i);
    spec.showLabel = (flags & kFlagLabelShown) != 0;
    spec.thousands = (flags & kFlagThousands) != 0;
    spec.currency = (flags & kFlagCurrency) != 0;
    if (def.type == KxFieldType::Number || def.type == KxFieldType::Calculation)
        spec.decimals = def.typeOption;
    if (def.type == KxFieldType::MultipleChoice && def.itemList) {
        for (std::size_t item = 0; item < def.itemList->itemCount(); ++item)
            spec.items.push_back(def.itemList->itemText(item));
    }
    return spec;
}

} // namespace

KxDatabaseExport::KxDatabaseExport(const KxDatabase& source, const KxFieldSelection& selection,
                                   const std::string& path, std::uint32_t userId,
                                   std::uint32_t stamp)
    : path_(path) {
    // The file is written only by finish(), beside any file at the path, which it replaces
    // once complete.
    target_.createUnsaved(path, kRolvaTypeTag, kOpenDocument, userId);
    try {
        buildSchema(source, selection, stamp);
        if (copyCategory_) copyCategoryNames(source);
    } catch (...) {
        discard();
        throw;
    }
}

KxDatabaseExport::~KxDatabaseExport() {
    target_.close(true);
}

void KxDatabaseExport::buildSchema(const KxDatabase& source, const KxFieldSelection& selection,
                                   std::uint32_t stamp) {
    std::vector<KxFieldSpec> specs;
    for (std::size_t i = 0; i < selection.count(); ++i) {
        if (selection.isCategoryAt(i)) {
            copyCategory_ = true;
            continue;
        }
        if (selection.fieldAt(i) == kNoField) continue;
        specs.push_back(specOf(source, selection, i));
        sourceFields_.push_back(selection.fieldAt(i));
    }
    target_.header().setModificationStamp(stamp);
    kxBuildNewDatabaseSchema(target_, specs, 0);
    target_.header().setAttributes(source.header().attributes() & kxExportedAttributes);
}

void KxDatabaseExport::copyCategoryNames(const KxDatabase& source) {
    KxCategoryEditor categories(target_);
    for (std::size_t slot = 1; slot < KxCategoryEditor::kSlots; ++slot) {
        const std::string name = source.fileHeader().categoryName(slot);
        if (name.empty()) continue;
        try {
            categories.setCategoryName(slot, name);
        } catch (KxDbError e) {
            // A damaged source may name two slots alike; the second stays unnamed.
            if (e != KxDbError::NameExists) throw;
        }
    }
}

void KxDatabaseExport::writeRecord(const KxRecordChunk& record, std::uint16_t category) {
    std::size_t position = target_.liveCount();
    KxRecordHandle copy = target_.newRecord(position, false);
    if (copyCategory_) copy.setCategory(category);
    for (std::size_t k = 0; k < sourceFields_.size(); ++k) {
        const std::uint8_t field = sourceFields_[k];
        if (field >= record.valueCount()) continue;
        const auto bytes = record.value(field);
        if (!bytes.empty()) copy.setRawValue(k, bytes);
    }
}

void KxDatabaseExport::finish() {
    kxSortRecords(target_);
    // The user agreed to replace the file at the path, read-only or not.
    KxReadOnlyLifted writable(path_);
    try {
        target_.save();
    } catch (KxDbError e) {
        // A file that cannot be made or replaced is error 7; a write that fails keeps its own.
        if (e == KxDbError::DiskFull || e == KxDbError::FileHandle || e == KxDbError::OutOfMemory) throw;
        throw KxDbError::CannotCreate;
    }
    writable.kept();
    target_.close(true);
}

void KxDatabaseExport::discard() { target_.close(true); }
