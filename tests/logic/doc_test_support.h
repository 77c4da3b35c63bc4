#pragma once
// A document wired to recording stand-ins of the panes, the views and the dialogs, over a
// settings file in a fresh directory.

#include "tests/support/EngineTestSupport.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestFiles.h"

#include "engine/KxHeaderChunk.h"
#include "engine/KxStrings.h"
#include "engine/KxRecordHandle.h"
#include "app/KxDbDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The frame and its two panes, recording what the document asks of them: the record
// handed over and back in `messages`, everything else in `calls`.
class RecordingPanes : public KxDocFrame {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> calls;
    bool readOnly = false;
    bool visible = true;
    int frozen = 0;
    // Commits of the form's pending edit are listed in `calls` only when a test asks.
    bool recordCommits = false;
    // Thrown by restoreRecord, as the engine does without an undo copy.
    bool nothingToUndo = false;

    class List : public KxListPane {
      public:
        explicit List(RecordingPanes& p) : p_(p) {}
        void recordChanged(std::int32_t, bool) override { p_.messages.push_back("recordChanged"); }
        void categoriesChanged(bool) override { p_.messages.push_back("listCategoriesChanged"); }
        void clearLookupText(bool quiet) override {
            p_.calls.push_back(quiet ? "clearLookupQuiet" : "clearLookup");
        }
        void freezeList(bool f) override {
            p_.frozen += f ? 1 : -1;
            p_.calls.push_back(f ? "freeze" : "unfreeze");
        }
        void setCheckboxesEditable(bool e) override {
            p_.calls.push_back(e ? "checkboxes:on" : "checkboxes:off");
        }
        void selectNextRow() override { p_.calls.push_back("next"); }
        void selectPreviousRow() override { p_.calls.push_back("previous"); }
        void activate() override { p_.calls.push_back("activateList"); }

      private:
        RecordingPanes& p_;
    };

    class Record : public KxRecordPane {
      public:
        explicit Record(RecordingPanes& p) : p_(p) {}
        void showRecord(std::int32_t) override { p_.messages.push_back("showRecord"); }
        void release() override { p_.messages.push_back("release"); }
        void retake() override { p_.messages.push_back("retake"); }
        void fieldValue(std::size_t, std::optional<FieldValue>) override {
            p_.messages.push_back("fieldValue");
        }
        void categoriesChanged() override { p_.messages.push_back("recordCategoriesChanged"); }
        void commitEdits() override {
            if (p_.recordCommits) p_.calls.push_back("commit");
        }
        void setHasReadOnlyMode(bool m) override {
            p_.calls.push_back(m ? "readOnlyMode:on" : "readOnlyMode:off");
        }
        bool isReadOnly() const override { return p_.readOnly; }
        void setEditing() override {
            p_.readOnly = false;
            p_.calls.push_back("editing");
        }
        void toggleEditMode() override { p_.calls.push_back("toggleEdit"); }
        void restoreRecord() override {
            if (p_.nothingToUndo) throw KxDbError::NothingToUndo;
            p_.calls.push_back("restore");
        }
        void activate() override { p_.calls.push_back("activateRecord"); }

      private:
        RecordingPanes& p_;
    };

    List list{*this};
    Record record{*this};

    bool mainWindowVisible() const override { return visible; }
    void setListPaneShare(int percent, bool relayout) override {
        calls.push_back("share " + std::to_string(percent) + (relayout ? " now" : ""));
    }

    void attachTo(KxDbDoc& doc) {
        doc.setFrame(this);
        doc.setListPane(&list);
        doc.setRecordPane(&record);
    }
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
    std::optional<std::vector<std::string>> handheldSelection; // none: Cancel
    std::vector<std::vector<std::string>> handheldPreselected; // one entry per run

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
    std::optional<std::vector<std::string>>
    runHandheldInstallDialog(KxDbDoc&, const std::vector<std::string>& preselected) override {
        handheldPreselected.push_back(preselected);
        return handheldSelection;
    }
    // The Field and Form Editor: edits the working copy as a user would; none: Cancel.
    std::function<bool(KxFieldWorkingCopy&, const std::function<bool()>& mayCancel)> fieldEditor;
    int fieldEditorRuns = 0;
    bool runFieldEditor(KxDbDoc&, KxFieldWorkingCopy& copy, const std::function<bool()>& mayCancel) override {
        ++fieldEditorRuns;
        return fieldEditor ? fieldEditor(copy, mayCancel) : false;
    }
};

inline KxWorkingField textField(const std::string& label) {
    KxWorkingField field;
    field.label = label;
    field.type = KxFieldType::Text;
    return field;
}

// The working definitions a New Database wizard hands over.
inline KxFieldWorkingCopy definitionsOf(const std::vector<KxWorkingField>& fields) {
    KxFieldWorkingCopy copy;
    for (const auto& field : fields) copy.add(field);
    return copy;
}

// A basic search: the first field contains `text`.
inline KxSearchRequest containsRequest(const std::string& text) {
    FieldValue value = FieldValue::newValue(1);
    value.setText(text);
    KxSearchRequest request;
    request.rows = {KxSearchRow{0, KxSearchOperator::Contains, value}};
    return request;
}

class DocTest : public ::testing::Test {
  protected:
    DocTest()
        : doc(ui, KxSettings(dir.file("rolvadesk.ini")), nullptr,
              [] { return std::int64_t{1700000000}; }) {
        panes.attachTo(doc);
        doc.setDialogs(&dialogs);
        doc.addView(&view);
    }

    // A new database with Text fields of these labels, open in the document.
    std::string createDatabase(const std::vector<std::string>& labels,
                               const std::string& name = "people.rlv") {
        KxNewDatabaseRequest request;
        request.path = dir.file(name);
        for (const auto& label : labels)
            request.definitions.add(textField(label));
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
