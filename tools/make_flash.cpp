// Paints the splash picture 图片/flash.jpg (551 × 337) and writes it with libjpeg: a deep blue
// field with a pale band for the red title, and a cascade of numbered lottery balls on the right,
// leaving the lower left dark for the splash's yellow credit lines. Fixed positions, so every
// build writes the same picture.
//
// Usage: pickora_make_flash <output.jpg>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSaveFile>
#include <QString>

#include <cstdio>

#include "shell/jpeg_picture.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kWidth = 551;
constexpr int kHeight = 337;

void paintBall(QPainter& painter, QPointF centre, double radius, const QColor& colour, int number)
{
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.35);
    shade.setColorAt(0.0, colour.lighter(175));
    shade.setColorAt(0.45, colour);
    shade.setColorAt(1.0, colour.darker(190));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(centre, radius * 0.56, radius * 0.56);
    QFont font(u"DejaVu Sans"_s);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(radius * 0.62));
    painter.setFont(font);
    painter.setPen(colour.darker(140));
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                     Qt::AlignCenter, QString::asprintf("%02d", number));
}

QImage paintSplash()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient field(0, 0, kWidth, kHeight);
    field.setColorAt(0.0, QColor(0x0c, 0x1c, 0x3c));
    field.setColorAt(0.6, QColor(0x10, 0x33, 0x52));
    field.setColorAt(1.0, QColor(0x0e, 0x4a, 0x5a));
    painter.fillRect(image.rect(), field);

    // The pale band behind the title, fading out to the right.
    QLinearGradient band(0, 0, kWidth, 0);
    band.setColorAt(0.0, QColor(0xfb, 0xf3, 0xdc, 245));
    band.setColorAt(0.7, QColor(0xf6, 0xe7, 0xc1, 200));
    band.setColorAt(1.0, QColor(0xf6, 0xe7, 0xc1, 0));
    painter.fillRect(QRectF(0, 28, kWidth, 72), band);
    painter.fillRect(QRectF(0, 100, kWidth * 0.8, 2), QColor(0xd4, 0xa5, 0x3a));

    // Faint rings in the dark part.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        painter.setPen(QPen(QColor(255, 255, 255, 14 + i * 3), 1.2));
        painter.drawEllipse(QPointF(470, 250), 40.0 + i * 26, 40.0 + i * 26);
    }

    // Eleven balls falling in a curve down the right side.
    const QColor colours[] = {QColor(0xd3, 0x2f, 0x2f), QColor(0xe6, 0x8a, 0x00),
                              QColor(0x1e, 0x88, 0xe5), QColor(0x2e, 0x9d, 0x4f)};
    const struct {
        double x, y, r;
    } places[] = {{352, 150, 17}, {392, 136, 19}, {436, 130, 21}, {482, 138, 22},
                  {520, 166, 20}, {372, 196, 22}, {420, 184, 24}, {470, 192, 25},
                  {400, 246, 26}, {458, 256, 28}, {512, 228, 20}};
    for (int i = 0; i < 11; ++i)
        paintBall(painter, {places[i].x, places[i].y}, places[i].r, colours[i % 4], i + 1);
    painter.end();
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pickora_make_flash <output.jpg>\n");
        return 2;
    }
    // Text needs the font database of a GUI application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(output).absolutePath());
    const QByteArray jpeg = pickora::encodeJpeg(paintSplash(), 90);
    QSaveFile file(output);
    if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()
        || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
