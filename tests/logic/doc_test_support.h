#pragma once
// A document wired to recording stand-ins of the panes, the views and the dialogs, over a
// settings file in a fresh directory.

#include "EngineTestSupport.h"
#include "ScriptedUi.h"
#include "TestFiles.h"

#include "HeaderChunk.h"
#include "KxStrings.h"
#include "RecordHandle.h"
#include "app/DbDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class RecordingPanes : public KxDocPanes {
  public:
    std::vector<KxViewMessage> messages;
    std::vector<std::string> calls;
    bool readOnly = false;
    bool visible = true;
    int frozen = 0;
    // Thrown by restoreRecord, as the engine does without an undo copy.
    bool nothingToUndo = false;

    void sendMessage(KxViewMessage m, std::uintptr_t, std::intptr_t) override {
        messages.push_back(m);
    }
    void clearLookupText(bool quiet) override {
        calls.push_back(quiet ? "clearLookupQuiet" : "clearLookup");
    }
    void freezeList(bool f) override {
        frozen += f ? 1 : -1;
        calls.push_back(f ? "freeze" : "unfreeze");
    }
    void setCheckboxesEditable(bool e) override {
        calls.push_back(e ? "checkboxes:on" : "checkboxes:off");
    }
    void selectNextRow() override { calls.push_back("next"); }
    void selectPreviousRow() override { calls.push_back("previous"); }
    void activateListView() override { calls.push_back("activateList"); }
    void setRecordViewHasReadOnlyMode(bool m) override {
        calls.push_back(m ? "readOnlyMode:on" : "readOnlyMode:off");
    }
    bool recordViewReadOnly() const override { return readOnly; }
    void setRecordViewEditing() override {
        readOnly = false;
        calls.push_back("editing");
    }
    void toggleRecordViewEditMode() override { calls.push_back("toggleEdit"); }
    void restoreRecord() override {
        if (nothingToUndo) throw KxDbError::NothingToUndo;
        calls.push_back("restore");
    }
    void activateRecordView() override { calls.push_back("activateRecord"); }
    bool mainWindowVisible() const override { return visible; }

    bool called(const std::string& name) const {
        return std::find(calls.begin(), calls.end(), name) != calls.end();
    }
};

class RecordingView : public KxDocView {
  public:
    std::vector<KxViewHint> hints;
    void onUpdate(KxViewHint hint) override { hints.push_back(hint); }
    KxViewHint last() const { return hints.empty() ? KxViewHint::All : hints.back(); }
};

class ScriptedDialogs : public KxDocDialogs {
  public:
    std::optional<KxNewDatabaseRequest> wizard;
    KxSearchDialogResult search;
    std::vector<std::size_t> searchDialogOpenedOn;
    std::optional<std::vector<KxListOptionsColumn>> listOptions;
    std::optional<KxRecordInfoText> shownInfo;
    bool importClipboard = false;
    int importClipboardRuns = 0;

    std::optional<KxNewDatabaseRequest> runNewDatabaseWizard(KxDbDoc&) override { return wizard; }
    KxSearchDialogResult runSearchDialog(KxDbDoc&, std::size_t s) override {
        searchDialogOpenedOn.push_back(s);
        return search;
    }
    std::optional<std::vector<KxListOptionsColumn>> runListOptionsDialog(KxDbDoc&) override {
        return listOptions;
    }
    void runRecordInfoDialog(const KxRecordInfoText& info) override { shownInfo = info; }
    bool runImportClipboardDialog(KxDbDoc&) override {
        ++importClipboardRuns;
        return importClipboard;
    }
    // The Field and Form Editor: edits the working copy as a user would; none: Cancel.
    std::function<bool(KxFieldWorkingCopy&, const std::function<bool()>& mayCancel)> fieldEditor;
    int fieldEditorRuns = 0;
    bool runFieldEditor(KxDbDoc&, KxFieldWorkingCopy& copy, const std::function<bool()>& mayCancel) override {
        ++fieldEditorRuns;
        return fieldEditor ? fieldEditor(copy, mayCancel) : false;
    }
};

inline KxFieldSpec textField(const std::string& label) {
    KxFieldSpec spec;
    spec.label = label;
    spec.type = KxFieldType::Text;
    return spec;
}

class DocTest : public ::testing::Test {
  protected:
    DocTest()
        : doc(ui, KxSettings(dir.file("rolvadesk.ini")), nullptr,
              [] { return std::int64_t{1700000000}; }) {
        doc.setPanes(&panes);
        doc.setDialogs(&dialogs);
        doc.addView(&view);
    }

    // A new database with Text fields of these labels, open in the document.
    std::string createDatabase(const std::vector<std::string>& labels,
                               const std::string& name = "people.rlv") {
        KxNewDatabaseRequest request;
        request.path = dir.file(name);
        for (const auto& label : labels)
            request.fields.push_back(textField(label));
        EXPECT_TRUE(doc.createDatabase(request));
        return request.path;
    }

    // Appends a live record with these texts for the first fields, in the category.
    std::size_t addRecord(const std::vector<std::string>& texts, std::uint16_t category = 0) {
        KxDatabase& db = doc.database();
        std::size_t position = db.liveCount();
        KxRecordHandle record = db.newRecord(position, true);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            FieldValue value = FieldValue::newValue(1);
            value.setText(texts[i]);
            record.setValue(i, value);
        }
        record.setCategory(category);
        return position;
    }

    std::string text(std::size_t liveIndex, std::size_t field = 0) {
        const auto value = doc.database().record(liveIndex, false).value(field);
        return value ? std::string(value->text()) : std::string();
    }

    // The number of messages whose text is this string-table entry.
    std::size_t shown(int id) const {
        return static_cast<std::size_t>(
            std::count_if(ui.messages.begin(), ui.messages.end(),
                          [&](const auto& m) { return m.text == kxString(id); }));
    }

    FixedClock clock{1600000000};
    TempDir dir;
    ScriptedUi ui;
    RecordingPanes panes;
    RecordingView view;
    ScriptedDialogs dialogs;
    KxDbDoc doc;
};
