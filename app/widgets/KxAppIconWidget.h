#pragma once
// The program's icon, drawn in code so the window has it without an SVG image plugin; the
// same picture as resources/rolvadesk.svg, which the desktop uses.

#include <QIcon>

QIcon kxAppIcon();
