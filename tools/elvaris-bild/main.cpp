// elvaris-bild: renders an SVG drawing to PNG at its own size (used for the demo pictures).

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "Aufruf: elvaris-bild QUELLE.svg ZIEL.png\n";
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        err << "elvaris-bild: " << args[1] << " ist kein lesbares SVG.\n";
        return 1;
    }
    QImage bild(svg.defaultSize(), QImage::Format_ARGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    if (!bild.save(args[2], "PNG")) {
        err << "elvaris-bild: " << args[2] << " kann nicht geschrieben werden.\n";
        return 1;
    }
    return 0;
}
