#pragma once
// Edit Names: the named searches with New, Rename and Delete; the rules are
// KxSearchNamesEditor's.

#include "app/KxSearchNamesEditor.h"

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

class KxDatabase;
class KxUi;
class QListWidget;

class KxEditNamesDialog : public QDialog {
    Q_OBJECT
  public:
    KxEditNamesDialog(KxDatabase& db, KxUi& ui, QWidget* parent = nullptr);

    // The search selected when the dialog closed, none for no selection.
    std::optional<std::size_t> selectedSearch() const;
    bool changed() const { return changed_; }
    // The list options sets of the searches deleted, for the caller to delete once the list
    // no longer shows them.
    const std::vector<std::uint8_t>& deletedListSets() const { return deletedListSets_; }

    QListWidget* list() const { return list_; }
    void addName();
    void renameName();
    void deleteName();

  private:
    void refill(std::optional<std::size_t> select);

    KxSearchNamesEditor editor_;
    QListWidget* list_ = nullptr;
    bool changed_ = false;
    std::vector<std::uint8_t> deletedListSets_;
};
