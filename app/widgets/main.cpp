// rolvadesk: the desktop program. An optional argument names the database to open.

#include "app/widgets/KxDbApp.h"

#include "platform/FileSizeSignal.h"

int main(int argc, char** argv) {
    kxIgnoreFileSizeSignal();
    KxDbApp app(argc, argv);
    if (!app.startUp()) return 1;
    return app.exec();
}
