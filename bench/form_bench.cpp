// The main window when the user selects another row in the list: the form of a 50-field
// record shows the other record (the same items show for both, so its controls take the new
// values) and the events that follow, painting included, are handled.
//
// Aim on the reference machine: 10 ms per record shown.

#include "bench/BenchQt.h"

#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/KxSchemaEditor.h"
#include "tests/support/TestFiles.h"
#include "app/KxDbDoc.h"
#include "app/widgets/KxDbMainFrame.h"
#include "views/widgets/KxDbListView.h"
#include "views/widgets/KxDbRecordView.h"
#include "views/widgets/KxRecordTableModel.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr KxFieldType kTypes[] = {KxFieldType::Text,   KxFieldType::Number, KxFieldType::Date,
                                  KxFieldType::Time,   KxFieldType::Checkbox, KxFieldType::Integer,
                                  KxFieldType::Text,   KxFieldType::MultipleChoice, KxFieldType::Number,
                                  KxFieldType::Text};

// A database of two records with 50 fields each, every field filled.
std::string makeDatabase(const std::filesystem::path& dir) {
    KxDatabase db;
    const std::string path = (dir / "Form.rlv").string();
    db.create(path, kRolvaTypeTag, kOpenDocument, 1);
    KxSchemaEditor schema(db);
    const std::size_t layout = schema.addLayout();
    for (std::size_t f = 0; f < 50; ++f) {
        const std::size_t p = schema.addField();
        schema.setFieldType(p, kTypes[f % std::size(kTypes)]);
        schema.setFieldLabel(p, "Field number " + std::to_string(f + 1));
        const std::size_t item = schema.addItem(layout, schema.itemCount(layout));
        schema.setItemField(layout, item, static_cast<std::uint8_t>(p));
    }
    const std::size_t set = schema.addListSet();
    schema.setListSetSortDef(set, static_cast<std::uint8_t>(schema.addSortDef()));
    schema.setCurrentListSet(set);
    const std::size_t column = schema.addColumn(set, 0);
    schema.setColumnField(set, column, 0);
    schema.column(set, column).width = 100;
    for (int r = 0; r < 2; ++r) {
        std::size_t position = db.liveCount();
        KxRecordHandle record = db.newRecord(position, false);
        for (std::size_t f = 0; f < 50; ++f) {
            FieldValue v = FieldValue::newValue(static_cast<int>(kTypes[f % std::size(kTypes)]));
            v.parseText(f % std::size(kTypes) == 4 ? "Yes" : r == 0 ? "12" : "3/14/2024");
            if (v.rawSize() > 0) record.setRawValue(f, v.raw());
        }
    }
    db.save();
    db.close(false);
    return path;
}

void BM_SelectAnotherRow(benchmark::State& state) {
    startQt();
    const TempDir scratch("form");
    const std::filesystem::path dir = scratch.path();
    {
        KxSilentUi ui;
        const std::string settings = (dir / "bench.ini").string();
        KxDbDoc doc(ui, KxSettings(settings));
        KxDbMainFrame frame(doc, ui, KxSettings(settings));
        auto* list = new KxDbListView(doc);
        frame.setPanes(list, new KxDbRecordView(doc));
        frame.resize(1200, 800);
        frame.show();
        if (!frame.openDocumentFile(makeDatabase(dir))) std::abort();
        QApplication::processEvents();
        int row = 0;
        for (auto _ : state) {
            row = 1 - row;
            list->list().setCurrentIndex(list->model().index(row, 0));
            QApplication::processEvents();
        }
        if (doc.currentRecord() != row) std::abort(); // the form did follow the list
    }
}
BENCHMARK(BM_SelectAnotherRow)->Unit(benchmark::kMillisecond);

} // namespace
