#include "app/DesktopUserId.h"

#include "platform/Crc32.h"
#include "install/HandheldNameFetch.h"

#include <string_view>

std::uint32_t kxFreshUserId(const KxHandheldUserSource& users, std::int64_t nowSeconds) {
    auto id = static_cast<std::uint32_t>(nowSeconds);
    if (std::optional<std::string> name = kxFirstHandheldUser(users)) {
        constexpr std::size_t kMaxNameBytes = 65535;
        id += kxCrc32(std::string_view(*name).substr(0, kMaxNameBytes));
    }
    return id;
}

std::uint32_t kxDesktopUserId(KxSettings& settings, const KxHandheldUserSource& users,
                              const KxNowFunction& now) {
    std::uint32_t id = settings.read(kxSettingUserId);
    if (id != 0) return id;
    id = kxFreshUserId(users, now());
    settings.write(kxSettingUserId, id);
    return id;
}
