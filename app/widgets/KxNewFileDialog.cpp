#include "app/widgets/KxNewFileDialog.h"

#include "engine/KxDbError.h"
#include "app/AppStrings.h"
#include "platform/Paths.h"
#include "app/KxDbDoc.h"
#include "app/widgets/KxNewFilePages.h"
#include "views/widgets/KxQtText.h"

#include <QDir>
#include <QPushButton>
#include <QStandardPaths>

#include <new>

std::string kxBareNameFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::string programDir = kxDirectoryOf(kxProgramPath());
    if (!kxIsWritableDirectory(programDir) && !documents.isEmpty()) QDir().mkpath(documents);
    return kxNewDatabaseFolder(programDir, documents.toStdString());
}

KxNewFileDialog::KxNewFileDialog(KxDbDoc& doc, QWidget* parent)
    : KxWizard(kxQt(kxString(kxStrNewDbWizardTitle)), doc.ui(), parent), name_(doc.ui(), kxBareNameFolder()) {
    setObjectName(QStringLiteral("newDatabaseWizard"));
    setMinimumSize(500, 380); // the field list of the last step needs the room
    KxUi* ui = &doc.ui();
    KxSettings* settings = &doc.settings();
    const KxHandheldUserSource* users = &doc.handheldUsers();
    addPage([this, ui, settings](QWidget* host) {
        return new KxNewFileNamePage(request_, name_, *ui, *settings,
                                     [this](bool on) { nextButton()->setEnabled(on); }, host);
    });
    addPage([this, users](QWidget* host) { return new KxNewFileHandheldPage(request_, *users, host); });
    addPage([this, ui](QWidget* host) { return new KxNewFileFirstFieldPage(request_.definitions, *ui, host); });
    addPage([this, ui](QWidget* host) { return new KxNewFileFieldListPage(request_.definitions, *ui, host); });
}

std::optional<KxNewDatabaseRequest> kxRunNewFileDialog(KxDbDoc& doc, QWidget* parent) {
    try {
        KxNewFileDialog wizard(doc, parent);
        if (wizard.exec() != QDialog::Accepted) return std::nullopt;
        return wizard.request();
    } catch (const std::bad_alloc&) {
        throw KxDbError::NoResources;
    }
}
