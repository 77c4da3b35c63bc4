#pragma once
// The desktop program's KxUi: Qt message boxes, file dialogs, an input box, the clipboard,
// the progress box and the desktop's file handlers. Texts arrive as Windows-1252 and are
// converted here, at the widget edge; chosen paths are handed back as file system paths.

#include "base/KxUi.h"

#include <QPointer>
#include <QWidget>

class KxUiQt : public KxUi {
  public:
    // Dialogs are owned by `owner` (the main window once it exists; may be null).
    explicit KxUiQt(QWidget* owner = nullptr) : owner_(owner) {}

    void setOwner(QWidget* owner) { owner_ = owner; }
    QWidget* owner() const { return owner_; }

    KxAnswer message(const std::string& text, const std::string& caption, KxButtons buttons,
                     KxIcon icon, KxAnswer defaultAnswer) override;
    // The detail shows as an informative line under the product's text.
    KxAnswer messageWithDetail(const std::string& text, const std::string& detail, const std::string& caption,
                               KxButtons buttons, KxIcon icon, KxAnswer defaultAnswer) override;
    std::optional<std::string> openFileName(const KxFileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const KxFileDialogRequest& request) override;
    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& initial, std::size_t maxLength) override;
    std::unique_ptr<KxWaitBox> waitBox(const std::string& status) override;
    std::optional<std::string> clipboardText() override;
    bool setClipboardText(const std::string& text) override;
    void openWithDesktop(const std::string& path) override;

  private:
    QPointer<QWidget> owner_;
};
