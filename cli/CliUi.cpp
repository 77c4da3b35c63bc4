#include "CliUi.h"

#include "CliArgs.h"

#include <ostream>

KxAnswer CliUi::message(const std::string& text, const std::string& caption, KxButtons buttons,
                        KxIcon, KxAnswer defaultAnswer) {
    ++messages_;
    err_ << cliFromDatabaseText(caption == kCaption ? text : caption + ": " + text) << "\n";
    if (!assumeYes_ || buttons == KxButtons::Ok) return defaultAnswer;
    if (buttons == KxButtons::OkCancel) return KxAnswer::Ok;
    if (buttons == KxButtons::RetryCancel) return KxAnswer::Cancel;
    return KxAnswer::Yes;
}
