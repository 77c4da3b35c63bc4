#include "CliUi.h"

#include "CliArgs.h"

#include <ostream>

namespace {
class SilentWaitBox : public KxWaitBox {
public:
    void setStatus(const std::string&) override {}
    void setProgress(std::uint64_t, std::uint64_t) override {}
    bool cancelled() override { return false; }
};
} // namespace

KxAnswer CliUi::message(const std::string& text, const std::string& caption, KxButtons buttons,
                        KxIcon, KxAnswer defaultAnswer) {
    ++messages_;
    err_ << cliFromDatabaseText(caption == kCaption ? text : caption + ": " + text) << "\n";
    if (!assumeYes_ || buttons == KxButtons::Ok) return defaultAnswer;
    if (buttons == KxButtons::OkCancel) return KxAnswer::Ok;
    if (buttons == KxButtons::RetryCancel) return KxAnswer::Cancel;
    return KxAnswer::Yes;
}

std::unique_ptr<KxWaitBox> CliUi::waitBox(const std::string&) { return std::make_unique<SilentWaitBox>(); }
