#include "platform/KxIniStore.h"

#include "platform/AtomicFile.h"

#include <sys/stat.h>

bool KxIniStore::fileExists() const {
    struct stat st {};
    return ::stat(path_.c_str(), &st) == 0;
}

KxIniDocument KxIniStore::load() const {
    KxFileContent content = kxReadWholeFile(path_, kMaxFileSize);
    return content.status == KxReadStatus::Ok ? KxIniDocument::parse(content.bytes)
                                              : KxIniDocument{};
}

bool KxIniStore::update(const std::function<bool(KxIniDocument&)>& change) {
    KxFileContent content = kxReadWholeFile(path_, kMaxFileSize);
    // A file that exists but cannot be read must not be replaced by what little we know.
    if (content.status != KxReadStatus::Ok && content.status != KxReadStatus::Missing) return false;
    KxIniDocument doc = KxIniDocument::parse(content.bytes);
    if (!change(doc)) return false;
    std::string text = doc.serialize();
    if (content.status == KxReadStatus::Ok && text == content.bytes) return true;
    // Deleting from a file that does not exist leaves it not existing.
    if (content.status == KxReadStatus::Missing && text.empty()) return true;
    return kxWriteFileAtomically(path_, text);
}

std::optional<std::string> KxIniStore::read(std::string_view section, std::string_view key) const {
    return load().value(section, key);
}

bool KxIniStore::write(std::string_view section, std::string_view key,
                       std::optional<std::string_view> value) {
    return update([&](KxIniDocument& doc) {
        if (!value) {
            doc.removeKey(section, key);
            return true;
        }
        return doc.setValue(section, key, *value);
    });
}

bool KxIniStore::removeSection(std::string_view section) {
    return update([&](KxIniDocument& doc) {
        doc.removeSection(section);
        return true;
    });
}

std::vector<std::string> KxIniStore::sectionNames() const {
    return load().sectionNames();
}

std::vector<std::pair<std::string, std::string>>
KxIniStore::entries(std::string_view section) const {
    return load().entries(section);
}
