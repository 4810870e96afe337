// A font's size in points and its character height in pixels, tied by the screen's pixels
// per inch; both directions round to the nearest integer, halves away from zero.
#pragma once

#include <QtGlobal>

// The character height of a size in points: points times dpi divided by 72.
qint32 characterHeightFromPoints(qint32 points, int dotsPerInch);

// The size in points of a character height: pixels times 72 divided by dpi.
qint32 pointsFromCharacterHeight(qint32 pixels, int dotsPerInch);
