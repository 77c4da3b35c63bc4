#include "editors/FieldEditorCommand.h"

#include "engine/Calculation.h"
#include "engine/KxDatabase.h"
#include "editors/EditorStrings.h"
#include "engine/KxSearchChunk.h"
#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "app/KxDocView.h"
#include "app/KxSearchRequest.h"
#include "editors/KxFieldEditRules.h"
#include "editors/KxSchemaBuilder.h"

#include <algorithm>

void kxDropUnfitCriteria(KxDatabase& db) {
    if (!db.peekChunk(KxChunkTag::Searches)) return;
    const KxHeaderChunk& header = db.header();
    auto unfit = [&](const KxStoredCriterion& c) {
        if (c.field == kAnyField || c.field == kCategoryField) return false;
        if (c.field >= header.fields.size()) return true;
        const auto ops = kxOperatorsFor(header, c.field);
        return std::find(ops.begin(), ops.end(), static_cast<KxSearchOperator>(c.op)) == ops.end();
    };
    for (auto& search : db.searchChunk().searches) std::erase_if(search.criteria, unfit);
}

void kxApplyFieldChanges(KxDbDoc& doc, const KxFieldWorkingCopy& copy) {
    KxDatabase& db = doc.database();
    // The form lets go of its record: a type change rewrites every record, and records left
    // empty by it go, so the current one is found again by its identity afterwards.
    doc.recordPane().release();
    const auto current = doc.currentRecordIdentity();
    doc.showProgress(kxString(kxStrUpdatingDatabase));
    // A result that cannot be stored is told once; the recalculation goes on.
    std::optional<KxDbError> storeFailure;
    auto onStoreFailure = [&](KxDbError e) {
        if (!storeFailure) storeFailure = e;
    };
    try {
        db.header().setModificationStamp(doc.freshStamp());
        doc.setModified();
        KxSchemaBuilder(db).commit(copy);
        kxRecalculateAllRecords(db, onStoreFailure);
        kxDropUnfitCriteria(db);
    } catch (...) {
        doc.closeProgress();
        doc.refindCurrentRecord(current);
        doc.updateAllViews(KxViewHint::All);
        throw;
    }
    doc.refindCurrentRecord(current);
    doc.updateAllViews(KxViewHint::All);
    doc.closeProgress();
    if (storeFailure) kxShowDbError(doc.ui(), kxCode(*storeFailure));
}

void kxRunFieldAndFormEditor(KxDbDoc& doc, KxSchemaChangeHooks* hooks) {
    if (!doc.isOpen()) return;
    // Handheld installation: the sync warning comes first.
    if (hooks && !hooks->mayChangeSchema(doc)) return;
    doc.beginCommand();
    KxFieldWorkingCopy copy = KxFieldWorkingCopy::load(doc.database());
    auto mayCancel = [&] { return KxFieldEditRules(copy, doc.ui()).confirmCancel(); };
    if (!doc.dialogs().runFieldEditor(doc, copy, mayCancel) || !copy.modified()) return;
    kxApplyFieldChanges(doc, copy);
    // Handheld installation: the reinstallation question comes last.
    if (hooks) hooks->schemaChanged(doc);
}
