#pragma once
// What the widget benchmarks share: one application object on the offscreen platform and a
// user interface that shows nothing and answers every question with its default.

#include "app/KxUi.h"

#include <QApplication>

#include <memory>
#include <optional>
#include <string>

class QuietWaitBox : public KxWaitBox {
  public:
    void setStatus(const std::string&) override {}
    void setProgress(std::uint64_t, std::uint64_t) override {}
    bool cancelled() override { return false; }
};

class QuietUi : public KxUi {
  public:
    KxAnswer message(const std::string&, const std::string&, KxButtons, KxIcon, KxAnswer answer) override {
        return answer;
    }
    std::optional<std::string> openFileName(const KxFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const KxFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&,
                                       std::size_t) override {
        return std::nullopt;
    }
    std::unique_ptr<KxWaitBox> waitBox(const std::string&) override { return std::make_unique<QuietWaitBox>(); }
    std::optional<std::string> clipboardText() override { return std::nullopt; }
    bool setClipboardText(const std::string&) override { return false; }
    void openWithDesktop(const std::string&) override {}
};

inline void startQt() {
    static int argc = 1;
    static char name[] = "rolva_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QCoreApplication::instance()) new QApplication(argc, argv); // lives for the whole run
}
