// rolva add FILE [--category NAME] FIELD=VALUE ...: a new record, placed in sort order.

#include "cli/CliArgs.h"
#include "cli/CliCategory.h"
#include "cli/CliSession.h"
#include "cli/CliUi.h"
#include "cli/FieldRef.h"
#include "engine/Calculation.h"
#include "engine/KxDatabase.h"
#include "engine/KxRecordHandle.h"
#include "engine/values/FieldValue.h"
#include "cli/CliStrings.h"

#include <ostream>

namespace {
int runAdd(CliContext& c) {
    CliArgs args(c.args, {}, {"category"});
    if (args.positional().size() < 2) throw CliUsageError(cliText(kxStrCliAddUsage));
    auto db = cliOpenForWriting(args.positional()[0]);
    const KxHeaderChunk& h = db->header();

    std::vector<std::pair<std::size_t, FieldValue>> values;
    for (std::size_t i = 1; i < args.positional().size(); ++i) {
        const std::string& assignment = args.positional()[i];
        const auto eq = assignment.find('=');
        if (eq == std::string::npos) throw CliUsageError(cliText(kxStrCliNotAssignment, {assignment}));
        const std::size_t field = cliResolveField(h, assignment.substr(0, eq));
        const KxFieldType type = h.fields[field].type;
        if (type == KxFieldType::LabelOnly || type == KxFieldType::Calculation || type == KxFieldType::Unnamed)
            throw CliUsageError(cliText(kxStrCliFieldTakesNoValue, {assignment.substr(0, eq)}));
        FieldValue value = FieldValue::newValue(static_cast<int>(type));
        value.parseText(cliToDatabaseText(assignment.substr(eq + 1)));
        values.emplace_back(field, std::move(value));
    }

    bool anyValue = false;
    for (const auto& [field, value] : values) anyValue = anyValue || value.rawSize() > 0;
    if (!anyValue) {
        // A record without any value is not kept, as on the form.
        c.err << cliText(kxStrCliNothingAdded) << "\n";
        return 1;
    }

    CliUi ui(c.err);
    std::uint16_t category = 0;
    if (auto name = args.option("category")) {
        const auto slot = cliCategoryForNewRecord(*db, ui, *name, c.err);
        if (!slot) return 1;
        category = *slot;
    }
    std::size_t position = db->liveCount();
    KxRecordHandle record = db->newRecord(position, true);
    for (const auto& [field, value] : values) record.setValue(field, value);
    record.setCategory(category);
    kxRecalculateRecord(*db, record, [&](KxDbError e) { ui.inform(kxDbErrorMessage(e)); });
    const KxRecordIdentity id = record.identity();
    record.release();
    db->placeRecord(position);
    cliSaveChanged(*db);
    c.out << id.userId << "-" << id.created << "-" << id.sequence << "\n";
    return 0;
}
const CliRegistrar registrar({"add", kxStrCliSynopsisAdd, kxStrCliSummaryAdd, runAdd});
} // namespace
