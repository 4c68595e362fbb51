// Renders the program's SVG icon into the PNG sizes of the desktop's icon theme:
//   sv_make_icons <icon.svg> <output folder>   writes <output folder>/<size>x<size>.png

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: sv_make_icons <icon.svg> <output folder>\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "Cannot open file %s\n", argv[1]);
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        const QString path = QStringLiteral("%1/%2x%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!image.save(path)) {
            std::fprintf(stderr, "Cannot create file %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
