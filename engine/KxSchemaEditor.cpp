// What every schema change shares: the header chunk, its size limit and checked access to
// its lists.

#include "engine/KxSchemaEditor.h"

#include "engine/KxDatabase.h"
#include "engine/KxSearchChunk.h"
#include "engine/VectorEdit.h"

KxHeaderChunk& KxSchemaEditor::header() const {
    if (!db_.header_) throw KxDbError::NoDatabase;
    return *db_.header_;
}

void KxSchemaEditor::requireRoom(std::size_t grow) const {
    if (std::size_t{header().byteSize()} + grow > kMaxChunkSize) throw KxDbError::TooLarge;
}

KxFieldDef& KxSchemaEditor::fieldAt(std::size_t position) const {
    return kxElementAt(header().fields, position);
}

KxFormLayout& KxSchemaEditor::layoutAt(std::size_t index) const {
    return kxElementAt(header().layouts, index);
}

KxSortDef& KxSchemaEditor::sortDefAt(std::size_t index) const {
    return kxElementAt(header().sortDefs, index);
}

KxListOptionsSet& KxSchemaEditor::listSetAt(std::size_t index) const {
    return kxElementAt(header().listSets, index);
}

// Layouts, sort definitions, sets and calculations may only name fields that exist: the file
// would not open again otherwise.
void KxSchemaEditor::requireField(std::uint8_t field, bool noneAllowed) const {
    if (noneAllowed && field == kNoField) return;
    if (field >= header().fields.size()) throw KxDbError::LimitReached;
}

KxSearchChunk* KxSchemaEditor::storedSearches() const {
    // The chunk belongs to the database this editor changes; peeking never creates one.
    return const_cast<KxSearchChunk*>(
        static_cast<const KxSearchChunk*>(db_.peekChunk(KxChunkTag::Searches)));
}
