#pragma once
// The only way application logic talks to the user: message boxes, questions, file choices,
// the progress box, the clipboard and handing a file to the desktop. The desktop program
// implements it with Qt dialogs; tests implement it with a scripted fake that records every
// message and answers from a queue.
//
// Every text crossing this interface is the program's own text (Windows-1252), as the
// engine and the string table hold it; the implementation converts at the widget edge.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

enum class KxButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class KxIcon { None, Information, Warning, Error, Question };
enum class KxAnswer { Ok, Cancel, Yes, No, Retry };

// The modeless progress box: a status line, a bar with "%lu%% Complete" and Cancel.
class KxWaitBox {
public:
    virtual ~KxWaitBox() = default;
    virtual void setStatus(const std::string& text) = 0;
    // The bar only moves forward; events are processed so that Cancel works.
    virtual void setProgress(std::uint64_t done, std::uint64_t total) = 0;
    // True once the user pressed Cancel and confirmed it.
    virtual bool cancelled() = 0;
};

struct KxFileDialogRequest {
    std::string title;
    std::string directory;   // where the dialog starts
    std::string fileName;    // proposed name
    std::string filter;      // e.g. "Rolva Databases (*.rlv)"
    std::string defaultSuffix;
    bool mustExist = false;
};

class KxUi {
public:
    virtual ~KxUi() = default;

    // A message box with caption, buttons, icon and default button; returns the answer.
    virtual KxAnswer message(const std::string& text, const std::string& caption, KxButtons buttons,
                             KxIcon icon, KxAnswer defaultAnswer) = 0;
    // Chosen paths (UTF-8 file system paths), or none when cancelled.
    virtual std::optional<std::string> openFileName(const KxFileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileName(const KxFileDialogRequest& request) = 0;
    // A one-line text box with a title and a prompt; none when cancelled.
    virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                               const std::string& initial, std::size_t maxLength) = 0;
    // Shows the progress box over the disabled main window until the object is destroyed.
    virtual std::unique_ptr<KxWaitBox> waitBox(const std::string& status) = 0;
    // Clipboard text; none when the clipboard holds no text.
    virtual std::optional<std::string> clipboardText() = 0;
    virtual bool setClipboardText(const std::string& text) = 0;
    // Hands a file to the desktop (the text editor for a log, the browser for a page).
    virtual void openWithDesktop(const std::string& path) = 0;

    // The same message with a detail beside the product's text: what the user needs to act
    // on it (the path, the system's reason). A user interface without room for details
    // shows the message alone.
    virtual KxAnswer messageWithDetail(const std::string& text, const std::string& detail,
                                       const std::string& caption, KxButtons buttons, KxIcon icon,
                                       KxAnswer defaultAnswer) {
        (void)detail;
        return message(text, caption, buttons, icon, defaultAnswer);
    }

    // A failure travels on as its code; the detail noted here goes with the message shown
    // next for that code (kxShowDbError), and only with it.
    void noteFailureDetail(std::uint32_t code, std::string detail) {
        failureCode_ = code;
        failureDetail_ = std::move(detail);
    }
    std::string takeFailureDetail(std::uint32_t code) {
        std::string detail = code == failureCode_ ? std::move(failureDetail_) : std::string();
        failureCode_ = 0;
        failureDetail_.clear();
        return detail;
    }

    // Shorthands used everywhere: an OK box with the application caption.
    KxAnswer inform(const std::string& text, KxIcon icon = KxIcon::Warning) {
        return message(text, kCaption, KxButtons::Ok, icon, KxAnswer::Ok);
    }
    bool ask(const std::string& text, KxAnswer defaultAnswer = KxAnswer::Yes,
             const std::string& caption = kCaption) {
        return message(text, caption, KxButtons::YesNo, KxIcon::Question, defaultAnswer) == KxAnswer::Yes;
    }

    static inline const std::string kCaption = "Rolva";

private:
    std::uint32_t failureCode_ = 0;
    std::string failureDetail_;
};
