#pragma once
// The document's dialogs as widgets: Search Records (with Edit Names) and Record
// Information. Dialogs other subsystems own (the List Options dialog) answer through
// the hooks set here, or as the stand-ins do until they are set.

#include "app/DocDialogs.h"

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

class KxDocDialogsQt : public KxDocDialogs {
  public:
    explicit KxDocDialogsQt(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }
    // List Options opened from the Search Records dialog: a new list options set for the
    // search, none when cancelled.
    void setSearchListOptions(std::function<std::optional<std::uint8_t>(KxDbDoc&)> runner) {
        searchListOptions_ = std::move(runner);
    }

    KxSearchDialogResult runSearchDialog(KxDbDoc& doc, std::size_t search) override;
    void runRecordInfoDialog(const KxRecordInfo& info) override;

  private:
    QWidget* parent_;
    std::function<std::optional<std::uint8_t>(KxDbDoc&)> searchListOptions_;
};
