#include "cli/CliUi.h"

#include "cli/CliArgs.h"

#include <ostream>

KxAnswer CliUi::message(const std::string& text, const std::string& caption, KxButtons buttons,
                        KxIcon, KxAnswer defaultAnswer) {
    // With --yes a question is answered without being asked; messages and failures that
    // offer a retry are still printed.
    if (assumeYes_ && (buttons == KxButtons::OkCancel || buttons == KxButtons::YesNo ||
                       buttons == KxButtons::YesNoCancel))
        return buttons == KxButtons::OkCancel ? KxAnswer::Ok : KxAnswer::Yes;
    ++messages_;
    err_ << cliFromDatabaseText(caption == kCaption ? text : caption + ": " + text) << "\n";
    if (assumeYes_ && buttons == KxButtons::RetryCancel) return KxAnswer::Cancel;
    return defaultAnswer;
}

KxAnswer CliUi::messageWithDetail(const std::string& text, const std::string& detail, const std::string& caption,
                                  KxButtons buttons, KxIcon icon, KxAnswer defaultAnswer) {
    const std::size_t before = messages_;
    const KxAnswer answer = message(text, caption, buttons, icon, defaultAnswer);
    if (messages_ > before && !detail.empty()) err_ << cliFromDatabaseText(detail) << "\n";
    return answer;
}
