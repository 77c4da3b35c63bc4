// The frame's construction, its panes, title, status bar, placement and
// window events. The commands themselves are in KxDbMainFrameCommands.cpp.

#include "app/widgets/KxDbMainFrame.h"

#include "app/CommandFailure.h"
#include "app/KxDbDoc.h"
#include "app/widgets/EditCommandsQt.h"
#include "app/widgets/KxAppIconWidget.h"
#include "app/widgets/KxCommandActions.h"
#include "app/widgets/KxPlaceholderPanesWidget.h"
#include "app/widgets/KxRecentFilesQt.h"
#include "app/widgets/KxStatusBarWidget.h"
#include "app/KxLockKeys.h"
#include "app/WindowPlacement.h"
#include "app/WindowTitle.h"

#include "platform/Cp1252.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>
#include <QWindow>

#include <algorithm>


KxDbMainFrame::KxDbMainFrame(KxDbDoc& doc, KxUi& ui, KxSettings settings, KxRecentFilesQt* recent)
    : doc_(doc), ui_(ui), settings_(std::move(settings)), recent_(recent) {
    setWindowIcon(kxAppIcon());
    actions_ = new KxCommandActions(*this, [this](KxCommand command) { runCommand(command); });
    actions_->buildMenus(*menuBar());
    connect(actions_, &KxCommandActions::menuAboutToShow, this, &KxDbMainFrame::refreshCommands);

    // Shift+F1: context help, the "What's This?" pointer over the next thing clicked.
    auto* contextHelp = new QAction(this);
    contextHelp->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(contextHelp, &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    addAction(contextHelp);

    toolBar_ = addToolBar(kxQtString(kxStrToolBarName));
    toolBar_->setObjectName(QStringLiteral("standardToolBar"));
    toolBar_->setMovable(false);
    actions_->buildToolBar(*toolBar_);

    status_ = new KxStatusBarWidget(this);
    setStatusBar(status_);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);
    splitter_->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(splitter_);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] {
        // The user's split holds through later resizes; the list view stores it in the
        // database when it exists.
        const QList<int> sizes = splitter_->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        if (total > 0) listShare_ = sizes.value(0) * 100 / total;
    });
    setPanes(new KxListPlaceholderWidget(doc_), new KxRecordPlaceholderWidget);

    setToolTipsShown(settings_.read(kxSettingShowToolTips) != 0);
    installHandlers();
    doc_.setFrame(this);

    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        watchFocus(now);
        scheduleRefresh();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &KxDbMainFrame::scheduleRefresh);

    refreshStatus();
    syncWithDocument();
}

KxDbMainFrame::~KxDbMainFrame() {
    // Deleting the panes below moves the focus; nothing may reach this half-destroyed frame.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    if (watchedFocus_) disconnect(watchedFocus_, nullptr, this, nullptr);
    disconnect(list_, nullptr, this, nullptr);
    disconnect(record_, nullptr, this, nullptr);
    doc_.setFrame(nullptr);
    doc_.setListPane(nullptr);
    doc_.setRecordPane(nullptr);
    doc_.removeView(list_);
    doc_.removeView(record_);
}

void KxDbMainFrame::setPanes(KxListPaneWidget* list, KxRecordPaneWidget* record) {
    if (list_) {
        doc_.removeView(list_);
        delete list_;
    }
    if (record_) {
        doc_.removeView(record_);
        delete record_;
    }
    list_ = list;
    record_ = record;
    splitter_->addWidget(list_);
    splitter_->addWidget(record_);
    // The list comes first: it fixes the current record the record view then shows.
    doc_.addView(list_);
    doc_.addView(record_);
    doc_.setListPane(list_);
    doc_.setRecordPane(record_);
    connect(list_, &KxListPaneWidget::positionChanged, this, &KxDbMainFrame::scheduleRefresh);
    connect(list_, &KxListPaneWidget::commandRequested, this, &KxDbMainFrame::runCommand);
    connect(record_, &KxRecordPaneWidget::commandRequested, this, &KxDbMainFrame::runCommand);
    applyPaneSplit();
}

QAction* KxDbMainFrame::action(KxCommand command) const { return actions_->action(command); }
QList<QKeySequence> KxDbMainFrame::commandKeys(KxCommand command) const { return actions_->keys(command); }

// --- the document's requests ---

void KxDbMainFrame::setListPaneShare(int percent, bool relayout) {
    listShare_ = std::clamp(percent, 0, 100);
    if (relayout) applyPaneSplit();
    scheduleRefresh();
}

bool KxDbMainFrame::mainWindowVisible() const { return isVisible(); }

void KxDbMainFrame::setWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void KxDbMainFrame::refreshStatus() {
    const std::string text = doc_.statusText();
    status_->clearMessage();
    status_->setIdleText(kxQt(text.empty() ? kxString(kxStrIdlePrompt) : text));
    refreshTitle();
}

void KxDbMainFrame::refreshTitle() {
    setWindowTitle(kxQt(kxWindowTitle(doc_.title(), doc_.pathName(), doc_.titleSuffix())));
}

// --- panes ---

void KxDbMainFrame::applyPaneSplit() {
    if (splitting_ || !splitter_) return;
    splitting_ = true;
    const KxPaneWidths widths = kxSplitPanes(splitter_->width() - splitter_->handleWidth(), listShare_);
    splitter_->setSizes({widths.list, widths.record});
    splitting_ = false;
}

void KxDbMainFrame::focusOtherPane() {
    // With two panes, F6 and Shift+F6 both reach the other one.
    QWidget* focus = QApplication::focusWidget();
    const bool inList = focus && (focus == list_ || list_->isAncestorOf(focus));
    QWidget* target = inList ? static_cast<QWidget*>(record_) : static_cast<QWidget*>(list_);
    QWidget* first = target->focusPolicy() != Qt::NoFocus ? target : target->nextInFocusChain();
    first->setFocus(Qt::OtherFocusReason);
}

// --- modes ---

bool KxDbMainFrame::isEditKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (KxCommand edit : {KxCommand::Undo, KxCommand::Redo, KxCommand::Cut, KxCommand::Copy, KxCommand::Paste})
        if (commandKeys(edit).contains(pressed)) return true;
    return false;
}

bool KxDbMainFrame::isFirstReceiver(const QObject* watched) const {
    // Keys go to the focus widget, or to the window when nothing has the focus.
    const QWidget* focus = QApplication::focusWidget();
    return watched == (focus ? focus : static_cast<const QObject*>(this));
}

void KxDbMainFrame::followLockKeys(const QKeyEvent& key) {
    // Only X11 says what the modifier state is; elsewhere the panes stay dark.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    KxLockKey lock = KxLockKey::None;
    if (key.key() == Qt::Key_CapsLock) lock = KxLockKey::CapsLock;
    if (key.key() == Qt::Key_NumLock) lock = KxLockKey::NumLock;
    const auto keys = kxLockKeysAfter(lock, key.type() == QEvent::KeyPress, key.nativeModifiers());
    if (!keys) return;
    status_->setCapsLock(keys->capsLock);
    status_->setNumLock(keys->numLock);
}

void KxDbMainFrame::setOverwriteMode(bool on) {
    if (overwrite_ == on) return;
    overwrite_ = on;
    status_->setOverwrite(on);
    emit overwriteModeChanged(on);
}

void KxDbMainFrame::setToolTipsShown(bool on) {
    // The application-wide event filter holds the tool tips back while this is off.
    toolTips_ = on;
}

// --- placement ---

void KxDbMainFrame::restorePlacement() {
    const KxWindowGeometry stored{settings_.read(kxSettingLastAppPosX), settings_.read(kxSettingLastAppPosY),
                                  settings_.read(kxSettingLastAppSizeW), settings_.read(kxSettingLastAppSizeH)};
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    if (const auto placed = kxInitialPlacement(stored, {screenSize.width(), screenSize.height()})) {
        resize(placed->width, placed->height);
        move(placed->x, placed->y);
    } else if (screen) {
        // The system's default placement: a window of a useful size, also when a window
        // manager does not honour showing it maximized.
        const QRect available = screen->availableGeometry();
        const QSize size = available.size() * 3 / 4;
        resize(size);
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    placed_ = true;
}

void KxDbMainFrame::showAsPlaced() {
    if (!placed_) restorePlacement();
    const KxWindowGeometry stored{0, 0, settings_.read(kxSettingLastAppSizeW), settings_.read(kxSettingLastAppSizeH)};
    if (kxOpensMaximized(stored))
        showMaximized();
    else
        show();
}

void KxDbMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!isVisible() || isMinimized()) return;
    settings_.write(kxSettingLastAppPosX, frameGeometry().x());
    settings_.write(kxSettingLastAppPosY, frameGeometry().y());
}

void KxDbMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyPaneSplit();
    if (!isVisible() || isMinimized()) return;
    const bool maximized = isMaximized();
    settings_.write(kxSettingLastAppSizeW, maximized ? -1 : width());
    settings_.write(kxSettingLastAppSizeH, maximized ? -1 : height());
}

// --- window events ---

void KxDbMainFrame::closeEvent(QCloseEvent* event) {
    bool closed = false;
    const bool ran = kxRunGuarded(ui_, [&] {
        if (!doc_.saveModified()) return;
        doc_.closeDocument();
        closed = true;
    });
    if (ran && closed)
        event->accept();
    else
        event->ignore();
}

void KxDbMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled()) scheduleRefresh();
    if (event->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && isAncestorOf(focus)) rememberedFocus_ = focus;
    } else if (rememberedFocus_) {
        rememberedFocus_->setFocus(Qt::ActiveWindowFocusReason);
    } else if (!QApplication::focusWidget() || !isAncestorOf(QApplication::focusWidget())) {
        splitter_->setFocus(Qt::ActiveWindowFocusReason);
    }
}

bool KxDbMainFrame::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool inFrame = widget && widget->window() == this;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Keys run commands only when enabled, so enabling must be current first.
        if (inFrame) refreshCommands();
        // The edit keys are the window's Edit commands, with their rules (no paste into the
        // look-up box, the look-up text cleared afterwards), not the text box's own.
        if (inFrame && isEditKey(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        // A key a widget leaves alone goes on to its parents, and passes here again for each.
        if (!inFrame || !isFirstReceiver(watched)) break;
        const auto* key = static_cast<QKeyEvent*>(event);
        followLockKeys(*key);
        // An edit key that gets here found its command disabled: like every command key it
        // then does nothing, rather than editing behind the command's rules.
        if (isEditKey(*key)) return true;
        const Qt::KeyboardModifiers held =
            key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (key->key() == Qt::Key_Insert && held == Qt::NoModifier && !key->isAutoRepeat())
            setOverwriteMode(!overwrite_);
        if (key->key() == Qt::Key_F6 && (held == Qt::NoModifier || held == Qt::ShiftModifier)) {
            focusOtherPane();
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (inFrame && isFirstReceiver(watched)) followLockKeys(*static_cast<QKeyEvent*>(event));
        scheduleRefresh();
        break;
    case QEvent::MouseButtonRelease:
        if (inFrame) scheduleRefresh();
        break;
    case QEvent::ToolTip:
        // The setting holds for the program's dialogs as much as for the main window.
        if (widget && !toolTips_) return true;
        break;
    case QEvent::LayoutRequest:
        // A pane whose controls change (the buttons of another mode, Show All for the
        // category box) makes the splitter share the width out anew; the split stays the
        // stored percentage.
        if (watched != splitter_ || splitting_) break;
        splitting_ = true;
        QCoreApplication::sendEvent(splitter_, event);
        splitting_ = false;
        applyPaneSplit();
        return true;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- refreshing ---

void KxDbMainFrame::scheduleRefresh() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refreshCommands();
    });
}

KxFocusState KxDbMainFrame::focusState() const {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) return {};
    return kxFocusStateOf(focus, list_->isLookupBox(focus));
}

void KxDbMainFrame::refreshCommands() {
    // While a progress box is up the window is disabled and the operation may be half done
    // (a database half loaded); enabling catches up when the window comes back.
    if (!isEnabled() || doc_.progressBox()) return;
    actions_->setSavedSearches(doc_.isOpen() ? kxSavedSearchMenu(doc_.database())
                                             : std::vector<std::pair<std::size_t, std::string>>{});
    std::vector<std::string> recentTexts;
    if (recent_)
        for (std::size_t i = 0; i < recent_->list().entries().size(); ++i)
            recentTexts.push_back(recent_->list().menuText(i));
    actions_->setRecentFiles(recentTexts);
    actions_->refresh(kxCommandState(doc_), focusState());
    status_->setOverwrite(overwrite_);
    status_->setPosition(list_->selectedRow(), list_->rowCount());
}

void KxDbMainFrame::watchFocus(QWidget* now) {
    // Selection and undo state of the focused text control decide Cut, Copy and Undo.
    if (watchedFocus_) disconnect(watchedFocus_, nullptr, this, nullptr);
    watchedFocus_ = nullptr;
    if (!now || now->window() != this) return;
    watchedFocus_ = now;
    for (const char* signal : {SIGNAL(selectionChanged()), SIGNAL(textChanged()), SIGNAL(textChanged(QString)),
                               SIGNAL(undoAvailable(bool)), SIGNAL(redoAvailable(bool))}) {
        if (now->metaObject()->indexOfSignal(QMetaObject::normalizedSignature(signal + 1)) >= 0)
            connect(now, signal, this, SLOT(scheduleRefresh()));
    }
}
