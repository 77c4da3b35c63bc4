#pragma once
// A user interface with nobody to ask: nothing is shown, every question gets its default
// answer, there are no file or text dialogs, and the progress box never cancels. The tool
// builds on it; runs that nobody watches (measurements, fuzzing) use it as it is.

#include "base/KxUi.h"

#include <memory>
#include <optional>
#include <string>

class KxSilentWaitBox : public KxWaitBox {
  public:
    void setStatus(const std::string&) override {}
    void setProgress(std::uint64_t, std::uint64_t) override {}
    bool cancelled() override { return false; }
};

class KxSilentUi : public KxUi {
  public:
    KxAnswer message(const std::string&, const std::string&, KxButtons, KxIcon,
                     KxAnswer defaultAnswer) override {
        return defaultAnswer;
    }
    std::optional<std::string> openFileName(const KxFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const KxFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&,
                                       std::size_t) override {
        return std::nullopt;
    }
    std::unique_ptr<KxWaitBox> waitBox(const std::string&) override {
        return std::make_unique<KxSilentWaitBox>();
    }
    // What the clipboard holds: nothing unless given.
    std::optional<std::string> clipboardText() override { return clipboard; }
    bool setClipboardText(const std::string&) override { return false; }
    void openWithDesktop(const std::string&) override {}

    std::optional<std::string> clipboard;
};
