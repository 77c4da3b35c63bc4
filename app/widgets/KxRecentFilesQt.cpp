#include "app/widgets/KxRecentFilesQt.h"

#include <QFile>
#include <QSettings>

namespace {
QSettings userStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, KxRecentFilesQt::kOrganisation,
                     KxRecentFilesQt::kApplication);
}
QString entryKey(std::size_t index) { return QStringLiteral("File%1").arg(index + 1); }
} // namespace

void KxRecentFilesQt::load() {
    QSettings store = userStore();
    store.beginGroup(QString::fromLatin1(kGroup));
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < KxRecentFileList::kMaxEntries; ++i)
        paths.push_back(QFile::encodeName(store.value(entryKey(i)).toString()).toStdString());
    list_.assign(paths);
}

void KxRecentFilesQt::add(const std::string& path) {
    list_.add(path);
    save();
}

void KxRecentFilesQt::remove(std::size_t index) {
    list_.remove(index);
    save();
}

void KxRecentFilesQt::save() const {
    QSettings store = userStore();
    store.beginGroup(QString::fromLatin1(kGroup));
    store.remove(QString());
    const auto& entries = list_.entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        store.setValue(entryKey(i), QFile::decodeName(QByteArray::fromStdString(entries[i])));
}
