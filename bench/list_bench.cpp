// The list view on the largest database, 16000 records: opening the file until the list has
// painted its first rows, and one character typed into the "Look up:" box: with the whole list
// painted again after it, and as a user types names letter by letter, the list painting what
// the keystroke changed before the next one comes.
//
// Aims on the reference machine: open and first paint 400 ms; one look-up keystroke 5 ms with
// the whole list painted, 2 ms as typed.

#include "bench/BenchQt.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSchemaEditor.h"
#include "tests/support/TestFiles.h"
#include "engine/Sort.h"
#include "app/KxDbDoc.h"
#include "engine/values/FieldValue.h"
#include "views/widgets/KxDbListView.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A name made of syllables, so that look-ups find and miss as they would on real data.
std::string nameOf(std::size_t r) {
    static const char* const syllables[] = {"ka", "lo", "mi", "ne", "ru", "sa", "to", "vi", "ze", "bo"};
    std::string name;
    for (std::size_t n = r * 7919 + 13, i = 0; i < 4; ++i, n /= 10) name += syllables[n % 10];
    return name;
}

class ListBenchDatabase {
  public:
    ListBenchDatabase() {
        path_ = dir_.file("List.rlv");
        KxDatabase db;
        db.create(path_, kRolvaTypeTag, kOpenDocument, 1);
        KxSchemaEditor schema(db);
        const std::size_t layout = schema.addLayout();
        const KxFieldType types[] = {KxFieldType::Text, KxFieldType::Number, KxFieldType::Checkbox,
                                     KxFieldType::Date};
        const char* labels[] = {"Name", "Price", "Lent", "Bought"};
        for (std::size_t f = 0; f < 4; ++f) {
            const std::size_t p = schema.addField();
            schema.setFieldType(p, types[f]);
            schema.setFieldLabel(p, labels[f]);
            schema.setItemField(layout, schema.addItem(layout, schema.itemCount(layout)), static_cast<std::uint8_t>(p));
        }
        const std::size_t set = schema.addListSet();
        schema.setListSetSortDef(set, static_cast<std::uint8_t>(schema.addSortDef()));
        schema.setCurrentListSet(set);
        for (std::size_t r = 0; r < KxDatabase::kMaxRecords; ++r) {
            std::size_t position = db.liveCount();
            KxRecordHandle record = db.newRecord(position, false);
            const std::string texts[] = {nameOf(r), std::to_string(r % 997), r % 3 ? "0" : "1", "3/14/2024"};
            for (std::size_t f = 0; f < 4; ++f) {
                FieldValue v = FieldValue::newValue(static_cast<int>(types[f]));
                v.parseText(texts[f]);
                if (v.rawSize() > 0) record.setRawValue(f, v.raw());
            }
        }
        kxApplyListOptions(db, {{0, KxSortDirection::Ascending}, {1, KxSortDirection::Ascending}, {2, KxSortDirection::None}},
                           false);
        kxSortRecords(db);
        db.save();
        db.close(false);
    }
    const std::string& path() const { return path_; }
    std::string settings() const { return dir_.file("bench.ini"); }

  private:
    TempDir dir_{"list"};
    std::string path_;
};

const ListBenchDatabase& database() {
    static const ListBenchDatabase db;
    return db;
}

// A document with the list view as its only view, shown.
class ListWindow {
  public:
    ListWindow() : doc(ui, KxSettings(database().settings())), view(doc) {
        doc.addView(&view);
        view.resize(500, 700);
        view.show();
        QApplication::processEvents();
    }
    ~ListWindow() {
        doc.closeDocument();
        doc.removeView(&view);
    }
    void open() {
        if (!doc.openDocument(database().path())) std::abort();
        doc.updateAllViews(KxViewHint::All); // as the window does after opening
    }
    void checkFull() const {
        if (view.rowCount() != static_cast<int>(KxDatabase::kMaxRecords)) std::abort();
    }

    KxSilentUi ui;
    KxDbDoc doc;
    KxDbListView view;
};

void BM_OpenUntilListPainted(benchmark::State& state) {
    startQt();
    ListWindow w;
    for (auto _ : state) {
        w.open();
        w.view.list().viewport()->repaint();
        state.PauseTiming();
        w.checkFull();
        w.doc.closeDocument();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenUntilListPainted)->Unit(benchmark::kMillisecond);

void BM_LookUpOneCharacter(benchmark::State& state) {
    startQt();
    ListWindow w;
    w.open();
    QApplication::processEvents();
    w.checkFull();
    // Each new text is one keystroke's worth of look-up: a found row, or a miss with its beep.
    const QString texts[] = {QStringLiteral("s"), QStringLiteral("m"), QStringLiteral("q"), QStringLiteral("vi")};
    std::size_t i = 0;
    for (auto _ : state) {
        w.view.lookupBox().setText(texts[i++ % 4]);
        w.view.list().viewport()->repaint();
    }
}
BENCHMARK(BM_LookUpOneCharacter)->Unit(benchmark::kMicrosecond);

void BM_LookUpTypedLetterByLetter(benchmark::State& state) {
    startQt();
    ListWindow w;
    w.open();
    QApplication::processEvents();
    w.checkFull();
    // Names of the list typed one letter at a time: the first letter jumps through the list,
    // the next ones narrow it down near where it is.
    QStringList texts;
    for (std::size_t r : {11u, 4000u, 12345u, 777u, 9001u, 15000u})
        for (qsizetype n = 1; n <= 6; ++n) texts.append(QString::fromStdString(nameOf(r)).left(n));
    qsizetype i = 0;
    for (auto _ : state) {
        w.view.lookupBox().setText(texts[i++ % texts.size()]);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LookUpTypedLetterByLetter)->Unit(benchmark::kMicrosecond);

} // namespace
