// The document's wiring, state, shared steps and the progress box. Opening, creating and
// closing files is KxDbDocOpen.cpp; saving is KxDbDocSave.cpp.

#include "app/KxDbDoc.h"

#include "engine/KxHeaderChunk.h"
#include "app/AppStrings.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSearchChunk.h"
#include "app/KxRecordCommands.h"
#include "install/HandheldUsers.h"

#include <algorithm>

namespace {
// Stands in when the document is given no handheld users.
class NoHandheldUsers : public KxHandheldUserSource {
  public:
    std::int32_t userCount() const override { return 0; }
    std::int32_t userName(std::int32_t, char*, std::uint16_t*) const override {
        return kNoSuchUser;
    }
};

const KxHandheldUserSource& usersOrNone(const KxHandheldUserSource* users) {
    static const NoHandheldUsers none;
    return users ? *users : none;
}

// The name of the current saved search without creating the search list when the file
// has none.
std::string currentSearchName(const KxDatabase& db) {
    const auto* chunk = static_cast<const KxSearchChunk*>(db.peekChunk(KxChunkTag::Searches));
    if (!chunk || chunk->current >= chunk->searches.size()) return std::string();
    return chunk->searches[chunk->current].name.text();
}
} // namespace

KxDbDoc::KxDbDoc(KxUi& ui, KxSettings settings, const KxHandheldUserSource* users,
                 KxNowFunction now)
    : ui_(ui), settings_(std::move(settings)), users_(users), now_(std::move(now)),
      defaultDialogs_(std::make_unique<KxDocDialogs>()), dialogs_(defaultDialogs_.get()) {
    // The engine reports the progress of long operations; the open box shows it.
    db_.setProgress([this](std::uint32_t done, std::uint32_t total) {
        if (waitBox_) waitBox_->setProgress(done, total);
    });
}

KxDbDoc::~KxDbDoc() {
    waitBox_.reset();
    db_.close(true);
}

// --- wiring ---

void KxDbDoc::addView(KxDocView* view) {
    if (view && std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void KxDbDoc::removeView(KxDocView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void KxDbDoc::setListPane(KxListPane* pane) {
    listPane_ = pane ? pane : &nullListPane_;
}

void KxDbDoc::setRecordPane(KxRecordPane* pane) {
    recordPane_ = pane ? pane : &nullRecordPane_;
}

void KxDbDoc::setFrame(KxDocFrame* frame) {
    frame_ = frame ? frame : &nullFrame_;
}

void KxDbDoc::setDialogs(KxDocDialogs* dialogs) {
    dialogs_ = dialogs ? dialogs : defaultDialogs_.get();
}

const KxHandheldUserSource& KxDbDoc::handheldUsers() const {
    return usersOrNone(users_);
}

void KxDbDoc::setInstallScheduler(KxInstallScheduler scheduler) {
    installScheduler_ = std::move(scheduler);
}

// --- state ---

bool KxDbDoc::isOpen() const {
    return db_.isOpen();
}

void KxDbDoc::setDisplayModes(bool deletedMode, bool searchMode, bool searchOwnListOptions) {
    deletedMode_ = deletedMode;
    searchMode_ = searchMode;
    searchOwnListOptions_ = searchOwnListOptions;
}

void KxDbDoc::resetModes() {
    setDisplayModes(false, false, false);
}

std::int32_t KxDbDoc::currentRecord() const {
    return isOpen() ? db_.header().currentRecord() : kNoRecord;
}

void KxDbDoc::setCurrentRecord(std::int32_t index) {
    if (isOpen()) db_.header().setCurrentRecord(index < 0 ? kNoRecord : index);
}

std::optional<KxRecordIdentity> KxDbDoc::currentRecordIdentity() const {
    if (!hasCurrentRecord()) return std::nullopt;
    const auto index = static_cast<std::size_t>(currentRecord());
    return deletedMode_ ? db_.identityOfDeleted(index) : db_.identityOf(index);
}

void KxDbDoc::refindCurrentRecord(const std::optional<KxRecordIdentity>& identity) {
    if (!isOpen()) return;
    std::optional<KxRecordHandle> found;
    if (identity) found = deletedMode_ ? db_.findDeletedRecord(*identity, false) : db_.findRecord(*identity, false);
    if (!found) {
        setCurrentRecord(kNoRecord);
        return;
    }
    setCurrentRecord(static_cast<std::int32_t>(deletedMode_ ? found->deletedIndex() : found->liveIndex()));
}

bool KxDbDoc::hasCurrentRecord() const {
    const std::int32_t current = currentRecord();
    if (current < 0) return false;
    const std::size_t count = deletedMode_ ? db_.deletedCount() : db_.liveCount();
    return static_cast<std::size_t>(current) < count;
}

std::uint16_t KxDbDoc::categoryFilter() const {
    return isOpen() ? db_.header().currentCategory() : kAllCategories;
}

void KxDbDoc::setCategoryFilter(std::uint16_t filter) {
    if (isOpen()) db_.header().setCurrentCategory(filter);
}

std::uint16_t KxDbDoc::viewFilter() const {
    return searchMode_ ? kFoundRecords : categoryFilter();
}

std::size_t KxDbDoc::recordsInView() const {
    if (!isOpen()) return 0;
    return deletedMode_ ? db_.deletedCount() : db_.countInCategory(viewFilter());
}

std::string KxDbDoc::statusText() const {
    if (!isOpen()) return std::string();
    if (deletedMode_) return kxString(kxStrStatusDeleted);
    if (!searchMode_) return std::string();
    const std::string name = currentSearchName(db_);
    return kxString(kxStrStatusSearch, name.empty() ? kxString(kxStrSearchResults) : name);
}

std::string KxDbDoc::titleSuffix() const {
    if (!isOpen()) return std::string();
    if (deletedMode_) return kxString(kxStrTitleDeleted);
    if (!searchMode_) return std::string();
    const std::string name = currentSearchName(db_);
    return name.empty() ? kxString(kxStrTitleSearch) : kxString(kxStrTitleNamedSearch, name);
}

bool KxDbDoc::hasFields(std::size_t* count) const {
    if (count) *count = 0;
    if (!isOpen()) return false;
    const KxHeaderChunk& header = db_.header();
    if (count)
        *count = static_cast<std::size_t>(
            std::count_if(header.fields.begin(), header.fields.end(),
                          [](const KxFieldDef& f) { return f.type != KxFieldType::LabelOnly; }));
    const std::size_t layout = header.currentLayout();
    return layout < header.layouts.size() && !header.layouts[layout].items.empty();
}

// --- shared steps ---

void KxDbDoc::beginCommand() {
    listPane_->clearLookupText(true);
    commitEdits();
}

void KxDbDoc::commitEdits() {
    recordPane_->commitEdits();
}

bool KxDbDoc::dropEmptyRecord() {
    if (!hasCurrentRecord()) return false;
    const auto index = static_cast<std::size_t>(currentRecord());
    const bool empty = deletedMode_ ? db_.deletedRecord(index, false).isEmpty()
                                    : db_.record(index, false).isEmpty();
    if (!empty) return false;
    KxRecordCommands(*this).removeCurrentRecord(true);
    return true;
}

void KxDbDoc::updateAllViews(KxViewHint hint) {
    // A view may detach itself while being told; walk a copy.
    const std::vector<KxDocView*> views = views_;
    for (KxDocView* view : views)
        view->onUpdate(hint);
}

void KxDbDoc::refreshStatus() {
    frame_->refreshStatus();
}

void KxDbDoc::showProgress(const std::string& text) {
    closeProgress();
    waitBox_ = ui_.waitBox(text);
}

void KxDbDoc::setProgressText(const std::string& text) {
    if (waitBox_) waitBox_->setStatus(text);
}

void KxDbDoc::closeProgress() {
    waitBox_.reset();
}

std::uint32_t KxDbDoc::storedUserId() {
    return kxDesktopUserId(settings_, usersOrNone(users_), now_);
}

std::uint32_t KxDbDoc::freshStamp() const {
    return kxFreshUserId(usersOrNone(users_), now_());
}

void KxDbDoc::writeLastFile(const std::string& path) {
    settings_.write(kxSettingLastFile, path);
}

void KxDbDoc::tellViewsAboutAttributes() {
    const std::uint16_t attributes = db_.header().attributes();
    listPane_->setCheckboxesEditable(attributes & kAttrEditableCheckboxes);
    recordPane_->setHasReadOnlyMode(attributes & kAttrReadOnlyMode);
}
