#pragma once
// The user's own page setup: header, footer and margins, kept in the per-user store (group
// "PageSetup"). While the Print Settings dialog is open the store holds the database's
// values, so that the page setup and the printing use them; the user's values go back when
// the dialog closes.

#include "print/KxPrintSettings.h"

#include <string_view>

// What a user who never set up a page prints with.
inline constexpr std::string_view kxDefaultUserHeader = "&w&bPage &p of &P";
inline constexpr std::string_view kxDefaultUserFooter = "&u&b&d";
inline constexpr std::string_view kxDefaultUserMargin = "0.750000";

KxPageSetup kxDefaultUserPageSetup();

// The texts are UTF-8 in the store and Windows-1252 here, as the database holds them.
class KxPageSetupStore {
  public:
    virtual ~KxPageSetupStore() = default;
    // A value never written reads as its first-time default.
    virtual KxPageSetup read() const = 0;
    virtual void write(const KxPageSetup& values) = 0;
};

// A store in memory, for the command-line tool and the tests.
class KxMemoryPageSetupStore final : public KxPageSetupStore {
  public:
    KxMemoryPageSetupStore() : values_(kxDefaultUserPageSetup()) {}
    KxPageSetup read() const override { return values_; }
    void write(const KxPageSetup& values) override { values_ = values; }

  private:
    KxPageSetup values_;
};
