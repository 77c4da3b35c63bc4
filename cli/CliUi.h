#pragma once
// The tool's user interface: messages go to the error stream (converted to UTF-8), questions
// get their default answer (or Yes with --yes), and there are no dialogs, clipboard or
// progress box to show.

#include "app/KxSilentUi.h"

#include <iosfwd>

class CliUi : public KxSilentUi {
public:
    explicit CliUi(std::ostream& err, bool assumeYes = false) : err_(err), assumeYes_(assumeYes) {}

    KxAnswer message(const std::string& text, const std::string& caption, KxButtons buttons,
                     KxIcon icon, KxAnswer defaultAnswer) override;
    // The detail goes on the line after a message that was printed.
    KxAnswer messageWithDetail(const std::string& text, const std::string& detail, const std::string& caption,
                               KxButtons buttons, KxIcon icon, KxAnswer defaultAnswer) override;

    // How many messages were shown; a command that showed a refusal exits 1.
    std::size_t messageCount() const { return messages_; }

private:
    std::ostream& err_;
    bool assumeYes_;
    std::size_t messages_ = 0;
};
