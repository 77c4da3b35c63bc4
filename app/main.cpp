// rolvadesk: the desktop program. An optional argument names the database to open.

#include "app/KxDbAppQt.h"

int main(int argc, char** argv) {
    KxDbApp app(argc, argv);
    if (!app.startUp()) return 1;
    return app.exec();
}
