#include "app/widgets/KxHelpWidget.h"

#include "app/HelpTopics.h"
#include "app/AppStrings.h"
#include "views/widgets/KxQtText.h"

#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

// The resources of a static library are registered by hand, once.
static void registerHelpResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

KxHelpWidget::KxHelpWidget(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(kxQtString(kxStrHelpTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(12);
    browser_->setMarkdown(manualText());
    resize(720, 600);
}

QString KxHelpWidget::manualText() {
    registerHelpResources();
    QFile file(QStringLiteral(":/help/manual.md"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

bool KxHelpWidget::showSection(const QString& heading) {
    QScrollBar* bar = browser_->verticalScrollBar();
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text() != heading) continue;
        QTextCursor cursor(block);
        browser_->setTextCursor(cursor);
        // The heading at the top of the window, not just somewhere in sight.
        bar->setValue(bar->maximum());
        browser_->ensureCursorVisible();
        return true;
    }
    browser_->moveCursor(QTextCursor::Start);
    bar->setValue(0);
    return false;
}

KxHelpWidget* kxShowHelp(QWidget* inFront) {
    QWidget* window = inFront != nullptr ? inFront->window() : nullptr;
    KxHelpWidget* help = nullptr;
    if (window != nullptr) help = window->findChild<KxHelpWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) help = new KxHelpWidget(window);
    help->show();
    help->raise();
    help->activateWindow();
    const char* className = window != nullptr ? window->metaObject()->className() : "";
    help->showSection(QString::fromStdString(kxHelpSection(className)));
    return help;
}

bool KxHelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && widget != nullptr &&
            qobject_cast<QDialog*>(widget->window()) != nullptr) {
            kxShowHelp(widget);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
