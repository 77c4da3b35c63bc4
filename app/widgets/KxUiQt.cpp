#include "app/widgets/KxUiQt.h"

#include "app/widgets/KxWaitBoxWidget.h"

#include "platform/Cp1252.h"
#include "views/widgets/KxQtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

namespace {

// Paths are file system paths; Qt decodes them with the file name codec.
QString fromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QMessageBox::StandardButtons standardButtons(KxButtons buttons) {
    switch (buttons) {
    case KxButtons::Ok: return QMessageBox::Ok;
    case KxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case KxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case KxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case KxButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton standardButton(KxAnswer answer) {
    switch (answer) {
    case KxAnswer::Ok: return QMessageBox::Ok;
    case KxAnswer::Cancel: return QMessageBox::Cancel;
    case KxAnswer::Yes: return QMessageBox::Yes;
    case KxAnswer::No: return QMessageBox::No;
    case KxAnswer::Retry: return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(KxIcon icon) {
    switch (icon) {
    case KxIcon::None: return QMessageBox::NoIcon;
    case KxIcon::Information: return QMessageBox::Information;
    case KxIcon::Warning: return QMessageBox::Warning;
    case KxIcon::Error: return QMessageBox::Critical;
    case KxIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Closing the box with Escape or the window's close button answers as the box's way out:
// Cancel, No, or OK when that is the only button.
KxAnswer answerOf(int button, KxButtons buttons) {
    switch (button) {
    case QMessageBox::Ok: return KxAnswer::Ok;
    case QMessageBox::Cancel: return KxAnswer::Cancel;
    case QMessageBox::Yes: return KxAnswer::Yes;
    case QMessageBox::No: return KxAnswer::No;
    case QMessageBox::Retry: return KxAnswer::Retry;
    default: break;
    }
    switch (buttons) {
    case KxButtons::Ok: return KxAnswer::Ok;
    case KxButtons::YesNo: return KxAnswer::No;
    default: return KxAnswer::Cancel;
    }
}

// "Rolva (*.rlv)|All Files (*.*)" style filters are given one per line or separated by ";;".
QString nameFilters(const std::string& filter) {
    QString f = kxQt(filter);
    f.replace(QLatin1Char('\n'), QStringLiteral(";;"));
    return f;
}

QFileDialog* fileDialog(QWidget* owner, const KxFileDialogRequest& request) {
    auto* dialog = new QFileDialog(owner, kxQt(request.title), fromPath(request.directory),
                                   nameFilters(request.filter));
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    if (!request.fileName.empty()) dialog->selectFile(fromPath(request.fileName));
    if (!request.defaultSuffix.empty()) dialog->setDefaultSuffix(kxQt(request.defaultSuffix));
    return dialog;
}

std::optional<std::string> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return toPath(dialog.selectedFiles().constFirst());
}
} // namespace

KxAnswer KxUiQt::message(const std::string& text, const std::string& caption, KxButtons buttons,
                         KxIcon icon, KxAnswer defaultAnswer) {
    return messageWithDetail(text, "", caption, buttons, icon, defaultAnswer);
}

KxAnswer KxUiQt::messageWithDetail(const std::string& text, const std::string& detail, const std::string& caption,
                                   KxButtons buttons, KxIcon icon, KxAnswer defaultAnswer) {
    QMessageBox box(messageIcon(icon), kxQt(caption), kxQt(text), standardButtons(buttons),
                    owner_);
    box.setDefaultButton(standardButton(defaultAnswer));
    if (!detail.empty()) box.setInformativeText(kxQt(detail));
    return answerOf(box.exec(), buttons);
}

std::optional<std::string> KxUiQt::openFileName(const KxFileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog(fileDialog(owner_, request));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return runFileDialog(*dialog);
}

std::optional<std::string> KxUiQt::saveFileName(const KxFileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog(fileDialog(owner_, request));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    return runFileDialog(*dialog);
}

std::optional<std::string> KxUiQt::askText(const std::string& title, const std::string& prompt,
                                           const std::string& initial, std::size_t maxLength) {
    QInputDialog dialog(owner_);
    dialog.setWindowTitle(kxQt(title));
    dialog.setLabelText(kxQt(prompt));
    dialog.setTextValue(kxQt(initial));
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* edit = dialog.findChild<QLineEdit*>(); edit && maxLength > 0)
        edit->setMaxLength(static_cast<int>(std::min<std::size_t>(maxLength, 32767)));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return kx1252(dialog.textValue());
}

std::unique_ptr<KxWaitBox> KxUiQt::waitBox(const std::string& status) {
    return std::make_unique<KxWaitBoxWidget>(owner_ ? owner_->window() : nullptr, *this, status);
}

std::optional<std::string> KxUiQt::clipboardText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return std::nullopt;
    return kx1252(data->text());
}

bool KxUiQt::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QApplication::clipboard();
    const QString value = kxQt(text);
    clipboard->setText(value);
    return clipboard->text() == value;
}

void KxUiQt::openWithDesktop(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(fromPath(path)));
}
