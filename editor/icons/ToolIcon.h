// The tool buttons' pictures: each has an enabled look and a greyed look for a disabled button,
// and light outlines in place of dark ones while the theme is dark.
#pragma once

#include <QIcon>

// The picture ":/icons/<name>.png" (and its double-size rendering), drawn from
// ":/icons/<name>-disabled.png" while the button is disabled and from ":/icons/<name>-dark.png"
// while the application's palette is dark. The look is chosen at each drawing, so the pictures
// follow a change of theme.
QIcon toolIcon(const char *name);
