// rolva find FILE --where 'FIELD OP VALUE' ... [--save NAME] [--json]: stores the criteria as
// search 0 (or the named search), runs it, saves the marks and prints the matches.

#include "cli/CliArgs.h"
#include "cli/CliCategory.h"
#include "cli/CliSession.h"
#include "cli/FieldRef.h"
#include "engine/KxDatabase.h"
#include "app/AppStrings.h"
#include "cli/RecordTable.h"
#include "engine/KxSavedSearches.h"
#include "engine/Search.h"
#include "app/SearchListSets.h"
#include "app/KxSearchRequest.h"
#include "app/KxSearchRun.h"
#include "cli/CliStrings.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>

namespace {
constexpr std::size_t kMaxCriteria = 3; // the advanced search's three rows

const std::map<std::string, KxSearchOperator>& operatorWords() {
    using Op = KxSearchOperator;
    static const std::map<std::string, KxSearchOperator> words = {
        {"contains", Op::Contains}, {"begins", Op::BeginsWith}, {"eq", Op::Equal},
        {"ne", Op::NotEqual},       {"lt", Op::Less},           {"gt", Op::Greater},
        {"empty", Op::Empty},       {"nonempty", Op::NotEmpty}, {"checked", Op::Checked},
        {"unchecked", Op::Unchecked},
    };
    return words;
}

KxSearchRow parseWhere(const KxHeaderChunk& h, const std::string& where) {
    // FIELD may hold blanks: the operator is the first word after it that names one.
    std::istringstream words(where);
    std::vector<std::string> tokens;
    for (std::string w; words >> w;) tokens.push_back(w);
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        auto op = operatorWords().find(tokens[i]);
        if (op == operatorWords().end()) continue;
        std::string field = tokens[0];
        for (std::size_t k = 1; k < i; ++k) field += " " + tokens[k];
        std::string value;
        for (std::size_t k = i + 1; k < tokens.size(); ++k) value += (value.empty() ? "" : " ") + tokens[k];
        KxSearchRow row;
        row.op = op->second;
        if (field == "*")
            row.field = kAnyField;
        else if (field == "category")
            row.field = kCategoryField;
        else
            row.field = static_cast<std::uint8_t>(cliResolveField(h, field));
        const auto allowed = kxOperatorsFor(h, row.field);
        if (std::find(allowed.begin(), allowed.end(), row.op) == allowed.end())
            throw CliUsageError(cliText(kxStrCliOperatorNotFor, {tokens[i], field}));
        if (const int type = kxCriterionValueType(h, row.field); type != 0 && !value.empty()) {
            FieldValue v = FieldValue::newValue(type);
            v.parseText(cliToDatabaseText(value));
            row.value = std::move(v);
        }
        return row;
    }
    throw CliUsageError(cliText(kxStrCliNotCriterion, {where}));
}

int runFind(CliContext& c) {
    CliArgs args(c.args, {"json"}, {"where", "save"});
    args.expectPositional(1, 1);
    const auto wheres = args.all("where");
    if (wheres.empty() || wheres.size() > kMaxCriteria) throw CliUsageError(cliText(kxStrCliCriteriaCount));
    auto db = cliOpenForWriting(args.positional()[0]);

    KxSearchRequest request;
    request.advanced = true;
    for (const auto& w : wheres) request.rows.push_back(parseWhere(db->header(), w));
    KxSavedSearches searches(*db);
    if (searches.count() == 0) searches.add();
    if (auto name = args.option("save")) {
        const std::string text = cliToDatabaseText(*name).substr(0, KxSavedSearches::kMaxNameLength);
        std::size_t index = 1;
        while (index < searches.count() && searches.name(index) != text) ++index;
        if (index == searches.count()) {
            index = searches.add();
            searches.setName(index, text);
        }
        request.chosenSearch = index;
    }
    std::optional<std::uint8_t> replacedSet;
    const KxSearchRun run = kxStoreAndRunSearch(*db, request, &replacedSet);
    // A search stored anew names no list options set of its own: the one it had goes unless
    // something else still uses it.
    if (replacedSet)
        for (const std::uint8_t set : kxUnusedListSets(*db, {*replacedSet}, db->header().currentListSet()))
            kxDeleteListSet(*db, set);
    cliSaveChanged(*db);
    if (run.matched == 0) {
        c.out << cliFromDatabaseText(kxString(kxStrNoMatches)) << "\n";
        return 0;
    }
    CliRecordSelection selection;
    selection.foundOnly = true;
    cliPrintRecords(*db, selection, args.flag("json"), c.out);
    return 0;
}
const CliRegistrar registrar({"find", kxStrCliSynopsisFind, kxStrCliSummaryFind, runFind});
} // namespace
