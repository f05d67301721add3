// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time helper: converts one of the XPM icon sources into the PNG that
// the desktop icon theme wants. Usage: quimbra_icon_png IN.xpm OUT.png SIZE
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s IN.xpm OUT.png SIZE\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]), "XPM");
    const int size = QString::fromLocal8Bit(argv[3]).toInt();
    if (image.isNull() || image.width() != size || image.height() != size) {
        std::fprintf(stderr, "%s: %s is not a %dx%d XPM image\n", argv[0], argv[1], size, size);
        return 1;
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
