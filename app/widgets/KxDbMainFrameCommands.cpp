// The frame's commands: which code carries out each command id, running a command only when
// it is enabled and with escaping failures shown, and the few dialogs the frame opens itself.

#include "app/widgets/KxDbMainFrame.h"

#include "app/CommandFailure.h"
#include "app/KxDbProperties.h"
#include "app/KxDbDoc.h"
#include "app/KxDisplayModes.h"
#include "app/widgets/EditCommandsQt.h"
#include "app/widgets/KxAboutDialog.h"
#include "app/widgets/KxCommandActions.h"
#include "app/widgets/KxDbPropertiesDialog.h"
#include "app/widgets/KxHelpWidget.h"
#include "app/widgets/KxPaneWidgets.h"
#include "app/widgets/KxPreferencesDialog.h"
#include "app/widgets/KxRecentFilesQt.h"
#include "app/MenuCommands.h"
#include "app/KxPreferences.h"
#include "app/KxRecordCommands.h"
#include "app/KxTransferCommands.h"

#include "engine/KxHeaderChunk.h"
#include "engine/KxStrings.h"

#include <QApplication>

#include <filesystem>

namespace {
template <class Range>
bool inRange(KxCommand command, KxCommand first, Range count) {
    const auto id = static_cast<std::uint32_t>(command);
    const auto from = static_cast<std::uint32_t>(first);
    return id >= from && id < from + static_cast<std::uint32_t>(count);
}
} // namespace

void KxDbMainFrame::setCommandHandler(KxCommand command, std::function<void()> handler) {
    handlers_[command] = std::move(handler);
}

void KxDbMainFrame::installHandlers() {
    using C = KxCommand;
    auto records = [this](void (KxRecordCommands::*step)()) {
        return [this, step] {
            KxRecordCommands commands(doc_);
            (commands.*step)();
        };
    };
    auto modes = [this](void (KxDisplayModes::*step)()) {
        return [this, step] {
            KxDisplayModes displayModes(doc_);
            (displayModes.*step)();
        };
    };

    handlers_[C::NewDatabase] = [this] {
        // A new database opens on one blank record; one made without fields opens the Field
        // and Form Editor first.
        if (!doc_.newDocument()) return;
        doc_.updateAllViews(KxViewHint::All);
        if (!doc_.hasFields()) carryOut(C::FieldAndFormEditor);
        if (doc_.hasFields()) KxRecordCommands(doc_).newRecord();
    };
    handlers_[C::OpenDatabase] = [this] {
        if (doc_.fileOpen()) initialUpdate();
    };
    handlers_[C::CloseDatabase] = [this] { doc_.close(); };
    handlers_[C::Save] = [this] { doc_.save(); };
    handlers_[C::SaveAs] = [this] { doc_.saveAs(); };
    handlers_[C::Import] = [this] { KxTransferCommands(doc_).importFile(); };
    handlers_[C::Export] = [this] { KxTransferCommands(doc_).exportFile(); };
    handlers_[C::DatabaseProperties] = [this] { showDatabaseProperties(); };
    handlers_[C::Exit] = [this] { close(); };

    for (C edit : {C::Undo, C::Redo, C::Cut, C::Copy, C::Paste}) {
        handlers_[edit] = [this, edit] {
            QWidget* focus = QApplication::focusWidget();
            kxRunEditCommand(edit, focus);
            if (edit == C::Paste && focus && record_->isAncestorOf(focus)) record_->afterPaste(focus);
            list_->clearLookupText(true);
        };
    }

    handlers_[C::ShowRecordInfo] = records(&KxRecordCommands::showRecordInfo);
    handlers_[C::NewRecord] = records(&KxRecordCommands::newRecord);
    handlers_[C::CloneRecord] = records(&KxRecordCommands::cloneRecord);
    handlers_[C::RestoreRecord] = records(&KxRecordCommands::restoreRecord);
    handlers_[C::CopyRecordToClipboard] = records(&KxRecordCommands::copyRecordToClipboard);
    handlers_[C::ImportClipboard] = records(&KxRecordCommands::importClipboard);
    handlers_[C::DeleteRecord] = records(&KxRecordCommands::deleteRecord);
    handlers_[C::PermanentlyDelete] = records(&KxRecordCommands::deleteRecord);
    handlers_[C::DeleteCategory] = records(&KxRecordCommands::deleteCategory);
    handlers_[C::Undelete] = records(&KxRecordCommands::undelete);
    handlers_[C::Edit] = records(&KxRecordCommands::toggleEdit);
    handlers_[C::Done] = records(&KxRecordCommands::toggleEdit);
    handlers_[C::NextRecord] = records(&KxRecordCommands::nextRecord);
    handlers_[C::PreviousRecord] = records(&KxRecordCommands::previousRecord);
    handlers_[C::DeletionLog] = records(&KxRecordCommands::writeDeletionLog);
    handlers_[C::ShowDeletedRecords] = modes(&KxDisplayModes::showDeletedRecords);
    handlers_[C::ShowAllRecords] = modes(&KxDisplayModes::showAllRecords);
    handlers_[C::SearchRecords] = modes(&KxDisplayModes::searchRecords);
    handlers_[C::ListOptions] = modes(&KxDisplayModes::listOptions);

    handlers_[C::Preferences] = [this] { showPreferences(); };
    handlers_[C::Help] = [this] { showHelp(); };
    handlers_[C::About] = [this] { showAbout(); };
}

bool KxDbMainFrame::commandEnabled(KxCommand command) {
    return KxCommandActions::enabled(command, kxCommandState(doc_), focusState());
}

void KxDbMainFrame::runCommand(KxCommand command) {
    if (!commandEnabled(command)) return;
    kxRunGuarded(ui_, [&] { carryOut(command); });
    syncWithDocument();
}

void KxDbMainFrame::carryOut(KxCommand command) {
    if (inRange(command, KxCommand::RecentFileFirst, kxRecentFileCount)) {
        openRecentFile(static_cast<int>(command) - static_cast<int>(KxCommand::RecentFileFirst));
        return;
    }
    if (inRange(command, KxCommand::SavedSearch1, kxSavedSearchCommandCount)) {
        // Entries are numbered from 1 in the menu.
        const auto entry = static_cast<std::size_t>(command) - static_cast<std::size_t>(KxCommand::SavedSearch1);
        KxDisplayModes(doc_).runSavedSearchEntry(entry + 1);
        return;
    }
    const auto handler = handlers_.find(command);
    if (handler != handlers_.end() && handler->second) handler->second();
}

void KxDbMainFrame::syncWithDocument() {
    noteDocumentPath();
    refreshStatus();
    refreshCommands();
}

void KxDbMainFrame::noteDocumentPath() {
    const std::string& path = doc_.pathName();
    if (recent_ && !path.empty() && path != notedPath_) recent_->add(path);
    notedPath_ = path;
}

void KxDbMainFrame::openRecentFile(int index) {
    if (!recent_ || index < 0 || static_cast<std::size_t>(index) >= recent_->list().entries().size()) return;
    const std::string path = recent_->list().entries()[static_cast<std::size_t>(index)];
    const bool opened = openDocumentFile(path);
    // A file that is gone leaves the list; one that failed for another reason stays.
    std::error_code error;
    if (!opened && !std::filesystem::exists(path, error)) recent_->remove(static_cast<std::size_t>(index));
}

bool KxDbMainFrame::openDocumentFile(const std::string& path) {
    const bool opened = doc_.openDocumentFile(path);
    if (opened) initialUpdate();
    return opened;
}

void KxDbMainFrame::initialUpdate() {
    // What a freshly opened document's views get first: everything changed.
    if (doc_.isOpen()) doc_.updateAllViews(KxViewHint::All);
}

void KxDbMainFrame::showAbout() {
    list_->clearLookupText(true);
    KxAboutDialog about(this);
    about.exec();
}

void KxDbMainFrame::showPreferences() {
    KxPreferencesDialog dialog(kxReadPreferences(settings_), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const KxPreferences chosen = dialog.preferences();
    kxWritePreferences(settings_, chosen);
    setToolTipsShown(chosen.showToolTips);
}

void KxDbMainFrame::showDatabaseProperties() {
    doc_.commitEdits();
    KxDbPropertiesDialog dialog(kxDbPropertiesOf(doc_.database().header().attributes()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    kxApplyDbProperties(doc_, dialog.properties());
}

void KxDbMainFrame::showHelp() { kxShowHelp(this); }
