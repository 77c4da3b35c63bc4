#include "CliUi.h"

#include "CliArgs.h"

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
