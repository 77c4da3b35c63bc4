#pragma once
// The last line of defence: a failure that escapes a command becomes the code whose message
// the user sees, and the program goes on.

#include "base/KxUi.h"

#include <cstdint>
#include <exception>

// The code for a caught failure: an engine error keeps its own code; running out of memory
// is 19; a file failure is 1 when the file was not found, 20 when the disk is full, else 31;
// anything else is 31.
std::uint32_t kxCodeOfFailure(std::exception_ptr failure);

// The code's message in a warning box with the application caption; nothing for code 0.
void kxShowDbError(KxUi& ui, std::uint32_t code);

// Shows the failure being handled; a failure while showing it is not shown again.
void kxShowCurrentFailure(KxUi& ui) noexcept;

// Runs a command; whatever escapes it is shown as its message. True when it ran through.
template <class Command>
bool kxRunGuarded(KxUi& ui, Command&& command) {
    try {
        command();
        return true;
    } catch (...) {
        kxShowCurrentFailure(ui);
        return false;
    }
}

// Delivers one event through `deliver`; whatever escapes is shown, and the event counts as
// not handled.
template <class Deliver>
bool kxDeliverGuarded(KxUi& ui, Deliver&& deliver) {
    try {
        return deliver();
    } catch (...) {
        kxShowCurrentFailure(ui);
        return false;
    }
}
