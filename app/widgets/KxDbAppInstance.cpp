#include "app/widgets/KxDbAppInstance.h"

#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "app/DocFileRules.h"
#include "app/widgets/KxDbMainFrame.h"
#include "app/FormOptions.h"
#include "app/widgets/KxFormOptionsDialog.h"
#include "app/widgets/KxUiQt.h"
#include "editors/FieldEditorCommand.h"
#include "editors/widgets/KxDocDialogsQt.h"
#include "print/widgets/KxPrintCommandQt.h"
#include "views/widgets/KxBaseCtrl.h"
#include "views/widgets/KxDbListView.h"
#include "views/widgets/KxDbRecordView.h"

#include "app/AppStrings.h"
#include "engine/KxLocale.h"
#include "platform/Paths.h"
#include "platform/ProcessLocale.h"
#include "install/HandheldInstallCommand.h"
#include "install/KxHandheldSchemaHooks.h"
#include "install/HandheldUsers.h"
#include "install/KxInstallSchedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <clocale>
#include <filesystem>

std::string kxCommandLineFile(const QStringList& arguments, const QString& currentDir) {
    for (const QString& argument : arguments) {
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-'))) continue;
        return QFile::encodeName(QDir(currentDir).absoluteFilePath(argument)).toStdString();
    }
    return {};
}

KxDbAppInstance::KxDbAppInstance(KxUi* ui) {
    if (!ui) {
        ownUi_ = std::make_unique<KxUiQt>();
        ui = ownUi_.get();
    }
    ui_ = ui;
}

KxDbAppInstance::~KxDbAppInstance() {
    // The window lets go of the document before the document goes.
    frame_.reset();
    doc_.reset();
}

bool KxDbAppInstance::start(const KxStartOptions& options) {
    if (options.setProcessLocale) {
        std::setlocale(LC_ALL, "");
        kxSetLocale(kxReadProcessLocale());
    }
    recent_.load();

    const std::string settingsPath = options.settingsPath.empty() ? kxSettingsPath() : options.settingsPath;
    KxSettings::setProcessFilePath(settingsPath);
    KxSettings settings(settingsPath);
    firstRun_ = settings.initialiseIfMissing();

    // Before leaving the directory the user started in, which relative names refer to (the
    // database on the command line, ROLVA_HANDHELD_USERS).
    const std::string file = kxCommandLineFile(options.arguments, QDir::currentPath());
    users_ = std::make_unique<KxHandheldUsersFile>(KxHandheldUsersFile::forSettingsFile(settingsPath));
    if (options.enterProgramDirectory) QDir::setCurrent(QCoreApplication::applicationDirPath());

    doc_ = std::make_unique<KxDbDoc>(*ui_, KxSettings(settingsPath), users_.get());
    frame_ = std::make_unique<KxDbMainFrame>(*doc_, *ui_, KxSettings(settingsPath), &recent_);
    if (ownUi_) ownUi_->setOwner(frame_.get());
    installViewsAndDialogs();
    frame_->restorePlacement();

    if (!file.empty() && !openCommandLineFile(file)) return false;

    frame_->showAsPlaced();
    QCoreApplication::processEvents();
    if (!doc_->isOpen()) reopenLastFile();
    doc_->setModified(false);
    frame_->syncWithDocument();
    return true;
}

bool KxDbAppInstance::openCommandLineFile(const std::string& path) {
    bool opened = false;
    const bool ran = kxRunGuarded(*ui_, [&] { opened = frame_->openDocumentFile(path); });
    frame_->syncWithDocument();
    return ran && opened;
}

// The two panes of the window and the dialogs the document opens.
void KxDbAppInstance::installViewsAndDialogs() {
    frame_->setPanes(new KxDbListView(*doc_), new KxDbRecordView(*doc_));
    // The Insert key's mode reaches every text box of the form, those made later included.
    QObject::connect(frame_.get(), &KxDbMainFrame::overwriteModeChanged, frame_.get(),
                     [](bool on) { kxSetOverwriteMode(on); });
    dialogs_ = std::make_unique<KxDocDialogsQt>(frame_.get());
    doc_->setDialogs(dialogs_.get());
    schemaHooks_ = std::make_unique<KxHandheldSchemaHooks>();
    frame_->setCommandHandler(KxCommand::FieldAndFormEditor,
                              [this] { kxRunFieldAndFormEditor(*doc_, schemaHooks_.get()); });
    frame_->setCommandHandler(KxCommand::Print, [this] { kxRunPrintDialog(*doc_, frame_.get()); });
    frame_->setCommandHandler(KxCommand::FormOptions, [this] {
        kxRunFormOptions(*doc_, [this](bool right) { return KxFormOptionsDialog::choose(right, frame_.get()); });
    });
    frame_->setCommandHandler(KxCommand::SaveInstallOnHandheld, [this] { kxSaveInstallOnHandheld(*doc_); });
    // A new database goes to the handheld users ticked on the wizard's last page.
    doc_->setInstallScheduler([this](const std::string& path, const std::vector<std::string>& users) {
        KxInstallSchedule(doc_->settings(), path).schedule(users);
    });
}

void KxDbAppInstance::reopenLastFile() {
    const std::string path = doc_->settings().read(kxSettingLastFile);
    std::error_code error;
    // A name the open would refuse with a message is left alone: reopening stays silent.
    if (path.empty() || !std::filesystem::exists(path, error) || !kxIsValidDatabasePath(path)) return;
    try {
        doc_->showProgress(kxString(kxStrOpeningDatabase));
        if (doc_->openDocument(path)) doc_->updateAllViews(KxViewHint::All);
        doc_->closeProgress();
    } catch (...) {
        // The program starts with no database, and says nothing about it.
        doc_->closeProgress();
        (void)doc_->ui().takeFailureDetail(0);
    }
}
