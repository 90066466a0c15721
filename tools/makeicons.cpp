// Draws the program's SVG icon as PNG files of the given sizes, for icon themes that want them:
// <folder>/<N>x<N>/apps/<name>.png.
// Usage: makeicons <icon.svg> <folder> <name> <size>...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: makeicons <icon.svg> <folder> <name> <size>...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "makeicons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (size <= 0 || !QDir().mkpath(sizeFolder) ||
            !image.save(sizeFolder + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "makeicons: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
