// cartaflex-picture draws one of the program's SVG pictures into a bitmap file of the
// width asked for (the height follows the picture's proportions): the 48 and 256 pixel
// icons for desktops without SVG support, and the sample logos installed with the
// program. PNG keeps transparency; BMP and JPEG get a white background.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool widthOk = false;
    const int width = args.size() == 4 ? args.at(3).toInt(&widthOk) : 0;
    if (!widthOk || width < 16 || width > 2048) {
        std::fprintf(stderr, "uso: cartaflex-picture IMMAGINE.svg USCITA.png|bmp|jpg LARGHEZZA\n");
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid() || svg.defaultSize().isEmpty()) {
        std::fprintf(stderr, "cartaflex-picture: %s non è un'immagine SVG\n",
                     qPrintable(args.at(1)));
        return 1;
    }
    const QSize size(
        width, qRound(double(width) * svg.defaultSize().height() / svg.defaultSize().width()));
    const bool transparent =
        QFileInfo(args.at(2)).suffix().compare(u"png", Qt::CaseInsensitive) == 0;
    QImage image(size, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(transparent ? Qt::transparent : Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    if (!image.save(args.at(2))) {
        std::fprintf(stderr, "cartaflex-picture: impossibile scrivere %s\n",
                     qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
