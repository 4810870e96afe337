// The tool buttons' pictures. Each is an SVG drawing for the enabled look and another for the
// disabled look; a drawing is read only when a button first shows that look, so building the
// window reads none of them, and showing it reads only the looks on the screen.
#pragma once

#include <QIcon>

// The picture ":/icons/<name>.svg", drawn from ":/icons/<name>-disabled.svg" while disabled.
QIcon toolIcon(const char *name);
