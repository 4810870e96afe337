// The settings file that a first run with nothing changed leaves behind, byte for byte.
#pragma once

#include <QByteArray>

inline const QByteArray firstRunFile("[Shroud-a-Pad]\n"
                                     "FontName=Fixedsys\n"
                                     "FontSize=10\n"
                                     "FontColor=0\n"
                                     "FontBold=0\n"
                                     "FontItalic=0\n"
                                     "WordWrap=0\n"
                                     "BackColor=-2147483643\n");
