// The record form when the user selects another row: the form of a 50-field record is
// thrown away and built again (labels, controls, values, layout) and the events that
// follow are handled.
//
// Aim on the reference machine: 30 ms per record shown.

#include "KxDatabase.h"
#include "RecordHandle.h"
#include "SchemaEditor.h"
#include "app/DbDoc.h"
#include "views/KxDbRecordView.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class SilentWaitBox : public KxWaitBox {
  public:
    void setStatus(const std::string&) override {}
    void setProgress(std::uint64_t, std::uint64_t) override {}
    bool cancelled() override { return false; }
};

// Answers every question as its default and shows nothing.
class SilentUi : public KxUi {
  public:
    KxAnswer message(const std::string&, const std::string&, KxButtons, KxIcon, KxAnswer answer) override {
        return answer;
    }
    std::optional<std::string> openFileName(const KxFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const KxFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&,
                                       std::size_t) override {
        return std::nullopt;
    }
    std::unique_ptr<KxWaitBox> waitBox(const std::string&) override { return std::make_unique<SilentWaitBox>(); }
    std::optional<std::string> clipboardText() override { return std::nullopt; }
    bool setClipboardText(const std::string&) override { return false; }
    void openWithDesktop(const std::string&) override {}
};

QApplication& application() {
    static int argc = 1;
    static char name[] = "rolva_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

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

void BM_ShowAnotherRecord(benchmark::State& state) {
    application();
    std::string pattern = (std::filesystem::temp_directory_path() / "rolva-form-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    const std::filesystem::path dir = pattern;
    {
        SilentUi ui;
        KxDbDoc doc(ui, KxSettings((dir / "bench.ini").string()));
        if (!doc.openDocument(makeDatabase(dir))) std::abort();
        KxDbRecordView view(doc);
        view.resize(600, 800);
        view.show();
        std::int32_t record = 0;
        for (auto _ : state) {
            record = 1 - record;
            doc.setCurrentRecord(record);
            view.onMessage(KxViewMessage::ShowRecord, 0, record);
            QApplication::processEvents();
        }
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ShowAnotherRecord)->Unit(benchmark::kMillisecond);

} // namespace
