#include "app/widgets/KxDbApp.h"

#include "app/CommandFailure.h"
#include "app/widgets/KxDialogTitleFit.h"
#include "app/widgets/KxDbAppInstance.h"
#include "app/widgets/KxDbMainFrame.h"
#include "app/widgets/KxHelpWidget.h"
#include "app/widgets/KxSharedFonts.h"
#include "app/widgets/KxUiQt.h"
#include "base/KxSettings.h"

KxDbApp::KxDbApp(int& argc, char** argv)
    : QApplication(argc, argv), fallbackUi_(std::make_unique<KxUiQt>()), failureUi_(fallbackUi_.get()) {
    kxSetUpApplication(*this);
}

void kxSetUpApplication(QApplication& app) {
    QApplication::setOrganizationName(QStringLiteral("Vantorquelline"));
    // No display name of its own: the desktop would append it to every window title, and
    // the titles already carry the program's name where they should.
    QApplication::setApplicationName(QStringLiteral("Rolva"));
    QGuiApplication::setDesktopFileName(QStringLiteral("rolvadesk"));
    app.installEventFilter(new KxDialogTitleFit(&app));
    app.installEventFilter(new KxHelpKeyFilter(&app));
}

KxDbApp::~KxDbApp() {
    setFailureUi(nullptr);
    run_.reset();
    // The cached fonts go last, after every window that used them.
    fonts_.reset();
}

KxDbApp* KxDbApp::instance() { return qobject_cast<KxDbApp*>(QCoreApplication::instance()); }

bool KxDbApp::startUp() {
    run_ = std::make_unique<KxDbAppInstance>();
    setFailureUi(&run_->ui());
    KxStartOptions options;
    options.arguments = arguments().mid(1);
    try {
        return run_->start(options);
    } catch (...) {
        kxShowCurrentFailure(*failureUi_);
        return false;
    }
}

void KxDbApp::setFailureUi(KxUi* ui) { failureUi_ = ui ? ui : fallbackUi_.get(); }

bool KxDbApp::notify(QObject* receiver, QEvent* event) {
    return kxDeliverGuarded(*failureUi_, [&] { return QApplication::notify(receiver, event); });
}

QFont KxDbApp::sharedFont(int slot) {
    KxDbApp* app = instance();
    if (!app) return QApplication::font();
    if (!app->fonts_) app->fonts_ = std::make_unique<KxSharedFonts>(KxSettings().defaultFont());
    return app->fonts_->font(slot);
}
