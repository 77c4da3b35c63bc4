#include "app/CommandFailure.h"

#include "engine/KxDbError.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

namespace {
std::uint32_t codeOfFileFailure(const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory) return kxCode(KxDbError::CannotOpen);
    if (error == std::errc::no_space_on_device) return kxCode(KxDbError::DiskFull);
    return kxCode(KxDbError::CannotOpenOther);
}
} // namespace

std::uint32_t kxCodeOfFailure(std::exception_ptr failure) {
    if (!failure) return kxCode(KxDbError::None);
    try {
        std::rethrow_exception(failure);
    } catch (KxDbError e) {
        return kxCode(e);
    } catch (const std::bad_alloc&) {
        return kxCode(KxDbError::OutOfMemory);
    } catch (const std::system_error& e) {
        // Covers filesystem_error and the streams' failures.
        return codeOfFileFailure(e.code());
    } catch (...) {
        return kxCode(KxDbError::CannotOpenOther);
    }
}

void kxShowDbError(KxUi& ui, std::uint32_t code) {
    if (code == kxCode(KxDbError::None)) return;
    ui.messageWithDetail(kxDbErrorMessage(code), ui.takeFailureDetail(code), KxUi::kCaption, KxButtons::Ok,
                         KxIcon::Warning, KxAnswer::Ok);
}

void kxShowCurrentFailure(KxUi& ui) noexcept {
    try {
        kxShowDbError(ui, kxCodeOfFailure(std::current_exception()));
    } catch (...) {
    }
}
