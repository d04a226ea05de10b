// SPDX-License-Identifier: GPL-3.0-or-later
// kolvo-artgen <assets/images dir>: draws every picture of the game and writes it
// there, each also at two and three times the pixels as name@2x.png and name@3x.png;
// a picture with words also in English as name_en.png; the desktop icons go to the
// sibling directory "icons".
#include <cstdio>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "Art.h"

namespace {

bool save(const QImage& image, const QString& path)
{
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "kolvo-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

// name.png at scale 1, name@2x.png and name@3x.png, the names Qt looks for on
// high-density screens.
bool saveScaled(QImage (*make)(int), const QDir& dir, const QString& name)
{
    bool ok = true;
    for (int scale : {1, 2, 3}) {
        const QString file
            = scale == 1 ? name + QStringLiteral(".png") : QStringLiteral("%1@%2x.png").arg(name).arg(scale);
        ok = save(make(scale), dir.filePath(file)) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // fonts need it
    if (argc != 2) {
        std::fprintf(stderr, "usage: kolvo-artgen <assets/images dir>\n");
        return 2;
    }
    const QDir images(QString::fromLocal8Bit(argv[1]));
    QDir icons(images.absoluteFilePath(QStringLiteral("../icons")));
    if (!images.exists() || !icons.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kolvo-artgen: no directory %s\n", argv[1]);
        return 2;
    }

    using namespace artgen;
    bool ok = saveScaled(MakeFaceSheet, images, QStringLiteral("faces"));
    // The pictures with words, in Swedish and, with the language's code, in English.
    ok = saveScaled([](int s) { return MakeTitle(s, Language::Swedish); }, images, QStringLiteral("title")) && ok;
    ok = saveScaled([](int s) { return MakeForward(s, Language::Swedish); }, images, QStringLiteral("forward")) && ok;
    ok = saveScaled([](int s) { return MakeTitle(s, Language::English); }, images, QStringLiteral("title_en")) && ok;
    ok = saveScaled([](int s) { return MakeForward(s, Language::English); }, images, QStringLiteral("forward_en"))
        && ok;
    ok = saveScaled(MakeArenaIcon, images, QStringLiteral("icon-arena")) && ok;
    // The intro and set-up windows show the program's own picture.
    ok = saveScaled([](int scale) { return MakeProgramIcon(32 * scale); }, images, QStringLiteral("icon-kolvo")) && ok;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = save(MakeProgramIcon(size), icons.filePath(QStringLiteral("kolvo-%1.png").arg(size))) && ok;
    QFile svg(icons.filePath(QStringLiteral("kolvo.svg")));
    if (svg.open(QIODevice::WriteOnly | QIODevice::Truncate) && svg.write(ProgramIconSvg()) > 0) {
        std::printf("%s\n", qPrintable(svg.fileName()));
    } else {
        std::fprintf(stderr, "kolvo-artgen: cannot write %s\n", qPrintable(svg.fileName()));
        ok = false;
    }
    return ok ? 0 : 1;
}
