// Paints the splash picture of the program and writes it to the file named on the command
// line (the format follows the extension): the emblem, the title and the version.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

#include "ui/dialogs/Emblem.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-FILE VERSION\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int w = 480, h = 300;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(255, 250, 228));
    sky.setColorAt(1, QColor(236, 222, 178));
    p.fillRect(image.rect(), sky);
    p.setPen(QPen(QColor(0, 0, 128), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 6, w - 12, h - 12));
    p.setPen(QPen(QColor(190, 20, 20), 1.5));
    p.drawRect(QRectF(12, 12, w - 24, h - 24));

    veltrin::ui::PaintEmblem(p, QRectF(26, 60, 150, 150));

    QFont title("DejaVu Serif");
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(180, 70, w - 200, 80), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               QString::fromUtf8("Велтринский\nкалендарь"));
    QFont small("DejaVu Sans");
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(QColor(120, 20, 20));
    p.drawText(QRectF(180, 150, w - 200, 50), Qt::AlignLeft | Qt::TextWordWrap,
               QString::fromUtf8("Церковный год по юлианскому счислению"));
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(180, 205, w - 200, 24), Qt::AlignLeft,
               QString::fromUtf8("Версия ") + QString::fromUtf8(argv[2]));
    p.end();
    return image.save(QString::fromLocal8Bit(argv[1]), nullptr, 92) ? 0 : 1;
}
