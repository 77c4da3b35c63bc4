#include "print/UserPrintSetup.h"

KxPageSetup kxDefaultUserPageSetup() {
    KxPageSetup values;
    values.header = kxDefaultUserHeader;
    values.footer = kxDefaultUserFooter;
    values.marginTop = values.marginBottom = values.marginLeft = values.marginRight =
        std::string(kxDefaultUserMargin);
    return values;
}
