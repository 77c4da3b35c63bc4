#pragma once
// What the Print Settings dialog does, without its widgets: on opening it loads the
// database's print settings and puts the database's page setup in place of the user's; the
// dialog's buttons run the report (the printout or a style sample); on closing the choices
// are stored in the database and the user's own page setup goes back.

#include "print/KxPrintSettings.h"
#include "print/KxReport.h"
#include "transfer/KxFieldSelection.h"

#include <memory>
#include <string>
#include <vector>

class KxDatabase;
class KxPageSetupStore;
class KxUi;
class KxWaitBox;

// What the list shows when printing starts.
enum class KxPrintViewMode { Records = 0, SearchResults = 1, DeletedRecords = 2 };

// The three range buttons.
enum class KxPrintRange { Entire, CurrentOrFound, Selected };

// The cursor's range mode for a button: "Current category or search results" walks the
// search results while they are shown.
int kxPrintRangeMode(KxPrintRange range, KxPrintViewMode view);
// The button a stored range selects: 0 the first, 3 the third, anything else the second.
KxPrintRange kxPrintRangeButton(int storedRange);

// How printing builds its selection: every field including Label Only ones, then the
// Category entry, empty labels named "Field %d", numbers with their decimal places.
KxFieldSelection::Options kxPrintSelectionOptions();

struct KxPrintPlaces {
    std::vector<std::string> templateDirectories; // searched in order (UTF-8 paths)
    std::string outputPath;                        // the generated HTML (UTF-8 path)
};

// The program's template folders, and "_KxPrintTempOutput.htm" in the per-user cache folder
// (never beside the program), which is created; the output path is empty when it cannot be.
KxPrintPlaces kxPrintPlaces();

class KxPrintSession {
  public:
    // Runs the opening steps; the database, the user interface and the store outlive the
    // session. `view` is what the list shows (current record, category).
    KxPrintSession(KxUi& ui, KxDatabase& db, KxPageSetupStore& userSetup, KxPrintViewMode mode,
                   KxReportView view, KxPrintPlaces places);
    // Closes when close() was not called (the user's page setup always goes back).
    ~KxPrintSession();
    KxPrintSession(const KxPrintSession&) = delete;
    KxPrintSession& operator=(const KxPrintSession&) = delete;

    // The dialog's state. Texts are Windows-1252, as the database holds them.
    std::string title;
    KxPrintRange range = KxPrintRange::Entire;

    int rangeMode() const { return kxPrintRangeMode(range, mode_); }
    bool deletedList() const { return mode_ == KxPrintViewMode::DeletedRecords; }
    KxFieldSelection& selection() { return *selection_; }
    const std::string& templateName() const { return templateName_; }
    void setTemplateName(std::string name) { templateName_ = std::move(name); }
    // The template names the style list offers (UTF-8 file names); when there is none, the
    // user has been told.
    std::vector<std::string> templateChoices() const;

    // The page setup in force while the dialog is open: the database's, as edited through
    // the Page Setup dialog.
    KxPageSetup pageSetup() const;
    void setPageSetup(const KxPageSetup& values);

    // "Print": refuses with the product's message when no field is chosen; else fills the
    // template into the output file with the progress box. True when the output may be
    // printed (else the user has been told, unless cancelled).
    bool generate(KxWaitBox* progress);
    // A style sample of at most five records with the given template, no progress box.
    bool generateSample(const std::string& templateName);
    const std::string& outputPath() const { return places_.outputPath; }
    const std::string& databasePath() const;

    // Stores the title, the range, the template, the page setup and the fields to print in
    // the database and puts the user's page setup back. True when the database changed.
    bool close();

  private:
    void loadFieldsToPrint();
    bool run(KxWaitBox* progress, const std::string& templateName, int limit);

    KxUi& ui_;
    KxDatabase& db_;
    KxPageSetupStore& userSetup_;
    KxPrintViewMode mode_;
    KxPrintPlaces places_;
    KxPageSetup savedUserSetup_;
    std::string templateName_;
    std::unique_ptr<KxFieldSelection> selection_;
    std::unique_ptr<KxDatabaseHtmlReport> report_;
    bool closed_ = false;
};
