#pragma once
// A main window over a document, with a scripted user interface and a settings file in a
// fresh directory; and small databases to open in it.

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestFiles.h"

#include "engine/KxSearchChunk.h"
#include "app/KxDbDoc.h"
#include "app/widgets/KxDbMainFrame.h"
#include "app/widgets/KxPlaceholderPanesWidget.h"

#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

// Readable failures for Qt's texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '[' << texts.join("\", \"").toStdString() << ']';
}

// A saved database with a Text and a Number field, three records (one in category 1), both
// fields as list columns, a list pane share of 40 and, when asked, deleted records and named
// saved searches.
inline std::string makeSampleDatabase(const TempDir& dir, const std::vector<std::string>& searchNames = {},
                                      std::size_t deletedRecords = 0) {
    TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Price"}});
    t.addRecord({"Hammer", "12"});
    t.addRecord({"Saw", "20"}, 1);
    t.addRecord({"Drill", "80"});
    for (std::size_t i = 0; i < deletedRecords; ++i) t.addDeletedRecord({"Gone", "1"});
    if (!searchNames.empty()) {
        KxSearchChunk& searches = t.db.searchChunk();
        if (searches.searches.empty()) searches.searches.emplace_back(); // the working search
        for (const std::string& name : searchNames) {
            KxStoredSearch s;
            s.name.setText(name);
            s.criteria.push_back({255, 0, "a"});
            searches.searches.push_back(s);
        }
    }
    t.db.fileHeader().setListPaneShare(40);
    KxSchemaEditor schema(t.db);
    const std::size_t set = schema.currentListSet();
    for (const std::uint8_t field : {std::uint8_t{0}, std::uint8_t{1}}) {
        const std::size_t column = schema.addColumn(set, schema.columnCount(set));
        schema.setColumnField(set, column, field);
        schema.column(set, column).width = 50;
    }
    const std::string path = dir.file("Sample.rlv");
    t.db.save(path);
    t.db.close(false);
    return path;
}

class FrameFixture {
  public:
    FrameFixture()
        : settingsPath(dir.file("rolvadesk.ini")), doc(ui, KxSettings(settingsPath)),
          frame(std::make_unique<KxDbMainFrame>(doc, ui, KxSettings(settingsPath))) {}
    ~FrameFixture() { frame.reset(); }

    QAction* action(KxCommand c) const { return frame->action(c); }
    bool enabled(KxCommand c) {
        frame->refreshCommands();
        return action(c)->isEnabled();
    }
    void open(const std::string& path) {
        ASSERT_TRUE(frame->openDocumentFile(path));
        frame->syncWithDocument();
    }
    KxListPlaceholderWidget& list() const { return static_cast<KxListPlaceholderWidget&>(*frame->listPane()); }
    KxRecordPlaceholderWidget& record() const {
        return static_cast<KxRecordPlaceholderWidget&>(*frame->recordPane());
    }

    TempDir dir;
    std::string settingsPath;
    ScriptedUi ui;
    KxDbDoc doc;
    std::unique_ptr<KxDbMainFrame> frame;
};
