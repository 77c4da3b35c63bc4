#include "app/widgets/KxCommandActions.h"

#include "app/MenuCommands.h"

#include "platform/Cp1252.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

// Toolbar icons from the desktop's theme, or the program's own where the theme has none
// (a bare system without an icon theme).
QIcon toolbarIcon(KxCommand command) {
    static const std::pair<KxCommand, const char*> names[] = {
        {KxCommand::OpenDatabase, "document-open"}, {KxCommand::Save, "document-save"},
        {KxCommand::Print, "document-print"},       {KxCommand::Undo, "edit-undo"},
        {KxCommand::Cut, "edit-cut"},               {KxCommand::Copy, "edit-copy"},
        {KxCommand::Paste, "edit-paste"},           {KxCommand::SearchRecords, "edit-find"},
    };
    for (const auto& [each, name] : names) {
        if (each != command) continue;
        const QString theme = QString::fromLatin1(name);
        QIcon own;
        for (int size : {16, 32}) own.addFile(QStringLiteral(":/icons/%1-%2.png").arg(theme).arg(size), QSize(size, size));
        return QIcon::fromTheme(theme, own);
    }
    return {};
}
} // namespace

KxCommandActions::KxCommandActions(QWidget& window, std::function<void(KxCommand)> run)
    : QObject(&window), window_(window), run_(std::move(run)) {
    for (const KxMenu& menu : kxMainMenus())
        for (const KxMenuItem& item : menu.items)
            if (!item.isSeparator()) makeAction(item.command, kxQtString(item.text))->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut.data(), static_cast<int>(item.shortcut.size()))));
    for (const KxAccelerator& key : kxExtraAccelerators()) {
        QAction* a = action(key.command);
        if (!a) a = makeAction(key.command, {});
        // A menu shows an action's first key: an item without a key of its own (Save As,
        // Help) answers its further keys through an action that no menu shows.
        if (!a->text().isEmpty() && a->shortcut().isEmpty()) a = keyAction(key.command);
        QList<QKeySequence> keys = a->shortcuts();
        keys.append(QKeySequence(QString::fromLatin1(key.shortcut.data(), static_cast<int>(key.shortcut.size()))));
        a->setShortcuts(keys);
    }
    // The record view's buttons: Done has no key of its own.
    if (!action(KxCommand::Done)) makeAction(KxCommand::Done, {});
}

QAction* KxCommandActions::makeAction(KxCommand command, const QString& text) {
    auto* a = new QAction(text, &window_);
    const KxCommandTexts texts = kxCommandTexts(command);
    a->setStatusTip(kxQt(texts.prompt));
    if (!texts.toolTip.empty()) a->setToolTip(kxQt(texts.toolTip));
    a->setData(static_cast<uint>(command));
    // Keys work while the menus are closed, so every action belongs to the window itself.
    window_.addAction(a);
    connect(a, &QAction::triggered, this, [this, command] { run_(command); });
    actions_[command] = a;
    return a;
}

QAction* KxCommandActions::keyAction(KxCommand command) {
    QAction*& a = keyActions_[command];
    if (!a) {
        a = new QAction(&window_);
        window_.addAction(a);
        connect(a, &QAction::triggered, this, [this, command] { run_(command); });
    }
    return a;
}

QList<QKeySequence> KxCommandActions::keys(KxCommand command) const {
    QList<QKeySequence> all;
    if (const QAction* a = action(command)) all = a->shortcuts();
    if (const auto it = keyActions_.find(command); it != keyActions_.end()) all += it->second->shortcuts();
    return all;
}

QAction* KxCommandActions::action(KxCommand command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void KxCommandActions::buildMenus(QMenuBar& bar) {
    for (const KxMenu& menu : kxMainMenus()) {
        QMenu* m = bar.addMenu(kxQtString(menu.title));
        connect(m, &QMenu::aboutToShow, this, &KxCommandActions::menuAboutToShow);
        for (const KxMenuItem& item : menu.items) {
            if (item.isSeparator())
                m->addSeparator();
            else
                m->addAction(action(item.command));
        }
        if (menu.title == kxStrMenuFileTitle) fileMenu_ = m;
        if (menu.title == kxStrMenuRecordTitle) recordMenu_ = m;
    }
}

// The resources of a static library are registered by hand.
static void registerToolbarIcons() { Q_INIT_RESOURCE(icons); }

void KxCommandActions::buildToolBar(QToolBar& bar) {
    registerToolbarIcons();
    bar.setIconSize(QSize(16, 16));
    for (const std::optional<KxCommand>& command : kxToolbarCommands()) {
        if (!command) {
            bar.addSeparator();
            continue;
        }
        QAction* a = action(*command);
        a->setIcon(toolbarIcon(*command));
        bar.addAction(a);
    }
}

bool KxCommandActions::enabled(KxCommand command, const KxCommandState& state, const KxFocusState& focus) {
    return kxCommandEnabled(command, state, focus);
}

void KxCommandActions::refresh(const KxCommandState& state, const KxFocusState& focus) {
    for (const auto& [command, a] : actions_) a->setEnabled(enabled(command, state, focus));
    for (QAction* a : savedSearchEntries_)
        a->setEnabled(enabled(static_cast<KxCommand>(a->data().toUInt()), state, focus));
    if (QAction* a = action(KxCommand::DeleteCategory)) a->setText(kxQt(kxDeleteCategoryMenuText(state)));
}

void KxCommandActions::clearEntries(std::vector<QAction*>& entries) {
    for (QAction* a : entries) {
        window_.removeAction(a);
        delete a; // removes it from its menu as well
    }
    entries.clear();
}

void KxCommandActions::setRecentFiles(const std::vector<std::string>& menuTexts) {
    // Rebuilt only on a change, so an open menu never loses an item under the mouse.
    if (menuTexts == recentTexts_ && !recentEntries_.empty()) return;
    recentTexts_ = menuTexts;
    clearEntries(recentEntries_);
    if (!fileMenu_) return;
    // Between the separator after Database Properties and Exit.
    QAction* exit = action(KxCommand::Exit);
    for (std::size_t i = 0; i < menuTexts.size() && i < static_cast<std::size_t>(kxRecentFileCount); ++i) {
        const KxCommand command = kxRecentFileCommand(static_cast<int>(i));
        // File system paths, not program text.
        auto* a = new QAction(QString::fromStdString(menuTexts[i]), fileMenu_);
        a->setStatusTip(kxQt(kxCommandTexts(command).prompt));
        connect(a, &QAction::triggered, this, [this, command] { run_(command); });
        fileMenu_->insertAction(exit, a);
        recentEntries_.push_back(a);
    }
    if (!recentEntries_.empty()) {
        // A separator of their own between the list and Exit.
        QAction* separator = new QAction(fileMenu_);
        separator->setSeparator(true);
        fileMenu_->insertAction(exit, separator);
        recentEntries_.push_back(separator);
    }
}

void KxCommandActions::setSavedSearches(const std::vector<std::pair<std::size_t, std::string>>& entries) {
    if (entries == savedSearches_ && !savedSearchEntries_.empty()) return;
    savedSearches_ = entries;
    clearEntries(savedSearchEntries_);
    QAction* search = action(KxCommand::SearchRecords);
    if (!recordMenu_ || !search) return;
    // Insert before the item that follows Search Records, so the entries keep their order.
    const QList<QAction*> items = recordMenu_->actions();
    const qsizetype at = items.indexOf(search);
    QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
    for (std::size_t k = 0; k < entries.size() && k < kxSavedSearchCommandCount; ++k) {
        const KxCommand command = kxSavedSearchCommand(k);
        auto* a = new QAction(kxQt(entries[k].second), recordMenu_);
        const KxCommandTexts texts = kxCommandTexts(command);
        a->setStatusTip(kxQt(texts.prompt));
        a->setData(static_cast<uint>(command));
        connect(a, &QAction::triggered, this, [this, command] { run_(command); });
        recordMenu_->insertAction(before, a);
        savedSearchEntries_.push_back(a);
    }
}
