#pragma once
// "Handheld Installation": the warning that an installation replaces the handheld's copy, the
// page of handheld users (KxHandheldInstallChildDialog) and the advice to sync instead, with
// OK and Cancel. OK hands back the ticked users; the caller writes the schedule.

#include "install/HandheldChoices.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class KxHandheldInstallChildDialog;
class KxHandheldUserSource;

class KxHandheldInstallDialog : public QDialog {
    Q_OBJECT
  public:
    // Makes the page inside the dialog's placeholder; std::bad_alloc when it cannot.
    using PageMaker = std::function<KxHandheldInstallChildDialog*(QWidget* placeholder)>;

    // The page lists `choices`; `makePage` none: the ordinary page.
    KxHandheldInstallDialog(const std::vector<KxHandheldChoice>& choices, QWidget* parent = nullptr,
                            const PageMaker& makePage = {});

    // The users ticked, in list order (the selection OK hands back).
    std::vector<std::string> selection() const;
    KxHandheldInstallChildDialog& page() const { return *page_; }

  private:
    KxHandheldInstallChildDialog* page_ = nullptr;
};

// Shows the dialog over the users the source returns, those in `preselected` ticked (names
// compared ignoring case). The ticked users on OK, none on Cancel. KxDbError::NoResources
// when the dialog or its page cannot be made.
std::optional<std::vector<std::string>>
kxRunHandheldInstallDialog(const KxHandheldUserSource& users, const std::vector<std::string>& preselected,
                           QWidget* parent, const KxHandheldInstallDialog::PageMaker& makePage = {});
