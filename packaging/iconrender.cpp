// Renders the program's SVG icon to the PNG sizes of the hicolor icon theme at build time:
//   tarvo-iconrender ICON.svg OUTDIR NAME SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/NAME.png for every SIZE. Runs without a display
// (QT_QPA_PLATFORM=offscreen) and exits non-zero on any failure, so a broken icon breaks the build.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        err << "usage: tarvo-iconrender ICON.svg OUTDIR NAME SIZE...\n";
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        err << "tarvo-iconrender: cannot read " << args.at(1) << " as SVG\n";
        return 1;
    }
    for (qsizetype i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            err << "tarvo-iconrender: bad size " << args.at(i) << "\n";
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            svg.render(&painter, QRectF(0, 0, size, size));
        }
        const QString dir = QStringLiteral("%1/%2x%2").arg(args.at(2)).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, args.at(3));
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            err << "tarvo-iconrender: cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
