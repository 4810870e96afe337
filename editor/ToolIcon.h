// The tool buttons' pictures: each has an enabled look and a greyed look for a disabled button.
#pragma once

#include <QIcon>

// The picture ":/icons/<name>.png" (and its double-size rendering), drawn from
// ":/icons/<name>-disabled.png" while the button is disabled.
QIcon toolIcon(const char *name);
