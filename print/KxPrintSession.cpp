#include "print/KxPrintSession.h"

#include "base/KxUi.h"
#include "print/PrintFieldList.h"
#include "print/TemplateLocator.h"
#include "print/UserPrintSetup.h"

#include "platform/Cp1252.h"
#include "engine/KxDatabase.h"
#include "print/PrintStrings.h"
#include "platform/Paths.h"

#include <optional>

namespace {

// Everything closing may change, to tell whether it did.
struct Snapshot {
    std::string title;
    int range = 0;
    std::string templateName;
    KxPageSetup pageSetup;
    std::optional<int> fieldList;
    std::vector<std::vector<std::uint8_t>> layouts;

    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(KxDatabase& db) {
    const KxPrintSettings settings(db);
    Snapshot s{settings.title(), settings.range(), settings.templateName(), settings.pageSetup({}),
               settings.fieldList(), {}};
    for (const KxFormLayout& layout : db.header().layouts) {
        s.layouts.emplace_back();
        for (const KxFormItem& item : layout.items) s.layouts.back().push_back(item.field);
    }
    return s;
}

} // namespace

int kxPrintRangeMode(KxPrintRange range, KxPrintViewMode view) {
    switch (range) {
    case KxPrintRange::Entire: return 0;
    case KxPrintRange::Selected: return 3;
    case KxPrintRange::CurrentOrFound: break;
    }
    return view == KxPrintViewMode::SearchResults ? 2 : 1;
}

KxPrintRange kxPrintRangeButton(int storedRange) {
    if (storedRange == 0) return KxPrintRange::Entire;
    if (storedRange == 3) return KxPrintRange::Selected;
    return KxPrintRange::CurrentOrFound;
}

KxPrintPlaces kxPrintPlaces() {
    KxPrintPlaces places;
    places.templateDirectories = kxTemplateDirectories(kxDirectoryOf(kxProgramPath()));
    const std::string cache = kxOutputDirectory(KxPathEnvironment::fromProcess(), {}, false);
    if (kxMakeDirectories(cache)) places.outputPath = cache + std::string(kxPrintOutputName);
    return places;
}

KxFieldSelection::Options kxPrintSelectionOptions() {
    KxFieldSelection::Options options;
    options.includeLabelOnly = true;
    options.includeCategory = true;
    options.defaultNames = true;
    options.decimalMode = true;
    return options;
}

KxPrintSession::KxPrintSession(KxUi& ui, KxDatabase& db, KxPageSetupStore& userSetup,
                               KxPrintViewMode mode, KxReportView view, KxPrintPlaces places)
    : ui_(ui), db_(db), userSetup_(userSetup), mode_(mode), places_(std::move(places)),
      selection_(std::make_unique<KxFieldSelection>(db, kxPrintSelectionOptions())) {
    savedUserSetup_ = userSetup_.read();
    const KxPrintSettings settings(db_);
    title = settings.title();
    templateName_ = settings.templateName();
    // Page setup and printing use the database's values while the dialog is open.
    userSetup_.write(settings.pageSetup(savedUserSetup_));

    if (!kxFindTemplate(kxToUtf8(templateName_), places_.templateDirectories)) {
        std::string directory =
            places_.templateDirectories.empty() ? std::string() : places_.templateDirectories.front();
        if (!directory.empty() && directory.back() != '/') directory += '/';
        ui_.inform(kxString(kxStrTemplateNotAvailable, kxFromUtf8(directory) + templateName_));
    }
    range = kxPrintRangeButton(settings.range());
    loadFieldsToPrint();
    report_ = std::make_unique<KxDatabaseHtmlReport>(ui_, db_, *selection_, view);
}

KxPrintSession::~KxPrintSession() {
    if (closed_) return;
    try {
        close();
    } catch (...) {
        // The database could not take the settings; the user's page setup is back already.
    }
}

void KxPrintSession::loadFieldsToPrint() {
    if (auto order = kxLoadPrintFieldList(db_, *selection_)) {
        selection_->setOrder(std::move(*order));
        return;
    }
    // First use: every entry, in order (the selection starts that way), stored at once.
    kxStorePrintFieldList(db_, *selection_);
}

std::vector<std::string> KxPrintSession::templateChoices() const {
    auto names = kxListTemplates(places_.templateDirectories);
    if (names.empty()) ui_.inform(kxString(kxStrNoTemplates));
    return names;
}

KxPageSetup KxPrintSession::pageSetup() const { return userSetup_.read(); }

void KxPrintSession::setPageSetup(const KxPageSetup& values) { userSetup_.write(values); }

bool KxPrintSession::run(KxWaitBox* progress, const std::string& name, int limit) {
    return report_->generateNamed(progress, kxToUtf8(name), places_.templateDirectories,
                                  places_.outputPath, title, rangeMode(), deletedList(), limit) ==
           kxReportDone;
}

bool KxPrintSession::generate(KxWaitBox* progress) {
    if (selection_->count() == 0) {
        ui_.inform(kxString(kxStrNoPrintFields));
        return false;
    }
    return run(progress, templateName_, -1);
}

const std::string& KxPrintSession::databasePath() const { return db_.fileName(); }

bool KxPrintSession::generateSample(const std::string& name) { return run(nullptr, name, 4); }

bool KxPrintSession::close() {
    closed_ = true;
    // The page setup as edited while the dialog was open goes to the database; the user's
    // own values go back first, whatever storing runs into.
    const KxPageSetup edited = userSetup_.read();
    userSetup_.write(savedUserSetup_);
    const Snapshot before = snapshot(db_);
    KxPrintSettings settings(db_);
    settings.setTitle(title);
    settings.setRange(rangeMode());
    settings.setTemplateName(templateName_);
    settings.setPageSetup(edited);
    kxStorePrintFieldList(db_, *selection_);
    return !(snapshot(db_) == before);
}
