#include "print/widgets/KxPageSetupStoreQt.h"

#include "app/widgets/KxRecentFilesQt.h"
#include "views/widgets/KxQtText.h"

#include <QSettings>

#include <memory>

namespace {

std::unique_ptr<QSettings> userStore() {
    auto store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             KxRecentFilesQt::kOrganisation, KxRecentFilesQt::kApplication);
    store->beginGroup(QStringLiteral("PageSetup"));
    return store;
}

std::string value(const QSettings& store, const char* key, const std::string& fallback) {
    const QVariant v = store.value(QLatin1String(key));
    return v.isValid() ? kx1252(v.toString()) : fallback;
}

} // namespace

KxPageSetup KxPageSetupStoreQt::read() const {
    const auto store = userStore();
    const KxPageSetup d = kxDefaultUserPageSetup();
    return {value(*store, "header", d.header),          value(*store, "footer", d.footer),
            value(*store, "margin_top", d.marginTop),   value(*store, "margin_bottom", d.marginBottom),
            value(*store, "margin_left", d.marginLeft), value(*store, "margin_right", d.marginRight)};
}

void KxPageSetupStoreQt::write(const KxPageSetup& values) {
    const auto store = userStore();
    store->setValue(QStringLiteral("header"), kxQt(values.header));
    store->setValue(QStringLiteral("footer"), kxQt(values.footer));
    store->setValue(QStringLiteral("margin_top"), kxQt(values.marginTop));
    store->setValue(QStringLiteral("margin_bottom"), kxQt(values.marginBottom));
    store->setValue(QStringLiteral("margin_left"), kxQt(values.marginLeft));
    store->setValue(QStringLiteral("margin_right"), kxQt(values.marginRight));
}

KxPaperChoice KxPageSetupStoreQt::paper() const {
    const auto store = userStore();
    KxPaperChoice paper = KxPaperChoice::localeDefault();
    const QString key = store->value(QStringLiteral("paper")).toString();
    for (int id = 0; id <= QPageSize::LastPageSize; ++id)
        if (QPageSize::key(static_cast<QPageSize::PageSizeId>(id)) == key)
            paper.size = static_cast<QPageSize::PageSizeId>(id);
    if (store->value(QStringLiteral("orientation")).toString() == QLatin1String("landscape"))
        paper.orientation = QPageLayout::Landscape;
    return paper;
}

void KxPageSetupStoreQt::setPaper(const KxPaperChoice& paper) {
    const auto store = userStore();
    store->setValue(QStringLiteral("paper"), QPageSize::key(paper.size));
    store->setValue(QStringLiteral("orientation"), paper.orientation == QPageLayout::Landscape
                                                      ? QStringLiteral("landscape")
                                                      : QStringLiteral("portrait"));
}
