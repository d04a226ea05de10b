// kolvo-artgen <assets/images dir>: draws every picture of the game and writes it
// there; the desktop icons go to the sibling directory "icons".
#include <cstdio>
#include <QDir>
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
    bool ok = save(MakeFaceSheet(), images.filePath(QStringLiteral("faces.png")));
    ok = save(MakeTitle(), images.filePath(QStringLiteral("title.png"))) && ok;
    ok = save(MakeForward(), images.filePath(QStringLiteral("forward.png"))) && ok;
    ok = save(MakeIntroIcon(), images.filePath(QStringLiteral("icon-intro.png"))) && ok;
    ok = save(MakeRulIcon(), images.filePath(QStringLiteral("icon-rul.png"))) && ok;
    ok = save(MakeArenaIcon(), images.filePath(QStringLiteral("icon-arena.png"))) && ok;
    for (int size : {48, 64, 128, 256})
        ok = save(MakeDesktopIcon(size), icons.filePath(QStringLiteral("kolvo-%1.png").arg(size))) && ok;
    return ok ? 0 : 1;
}
