#pragma once
// The New Database wizard: "Database Name", "Handheld Installation", "First Field Label" and
// "Additional Fields". It only collects; File New makes the database from the request.

#include "app/KxDocDialogs.h"
#include "app/widgets/KxWizard.h"
#include "app/KxNewDatabaseName.h"

#include <optional>

class KxDbDoc;
class KxNewFileNamePage;

class KxNewFileDialog : public KxWizard {
    Q_OBJECT
  public:
    KxNewFileDialog(KxDbDoc& doc, QWidget* parent = nullptr);

    const KxNewDatabaseRequest& request() const { return request_; }

  private:
    KxNewDatabaseRequest request_;
    KxNewDatabaseName name_;
};

// Where a name without a folder goes: the program's folder when writable, else the
// documents folder (made when missing).
std::string kxBareNameFolder();

// Runs the wizard; the request on Finish, none on Cancel. KxDbError::NoResources when the
// wizard cannot be made.
std::optional<KxNewDatabaseRequest> kxRunNewFileDialog(KxDbDoc& doc, QWidget* parent);
