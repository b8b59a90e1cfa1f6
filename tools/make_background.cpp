// Paints the main window's background picture: a calm vertical gradient from dark teal to slate,
// strewn with faint, softly shaded circles like lottery balls. The picture is the same on every
// build (fixed positions), so the program folder does not change from build to build.
//
// Usage: pickora_make_background <output.bmp>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QString>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

struct Ball {
    double x;
    double y;
    double radius;
    int alpha; // of the brightest part, 0..255
};

// Balls scattered without heavy overlap: each candidate keeps its distance from those already
// placed, a few larger ones first and many small ones after.
std::vector<Ball> scatterBalls()
{
    std::mt19937 engine(20261209u);
    auto uniform = [&engine](double lo, double hi) {
        return lo + (hi - lo) * (static_cast<double>(engine() >> 8) / double(1u << 24));
    };
    std::vector<Ball> balls;
    const struct {
        int count;
        double minRadius;
        double maxRadius;
        int alpha;
    } layers[] = {{7, 70, 120, 26}, {18, 30, 60, 30}, {40, 10, 24, 34}};
    for (const auto& layer : layers) {
        int placed = 0;
        for (int attempt = 0; placed < layer.count && attempt < layer.count * 60; ++attempt) {
            const Ball ball{uniform(-40, kWidth + 40), uniform(-40, kHeight + 40),
                            uniform(layer.minRadius, layer.maxRadius), layer.alpha};
            bool clear = true;
            for (const Ball& other : balls) {
                const double gap = std::hypot(ball.x - other.x, ball.y - other.y);
                if (gap < ball.radius + other.radius + 12) {
                    clear = false;
                    break;
                }
            }
            if (clear) {
                balls.push_back(ball);
                ++placed;
            }
        }
    }
    return balls;
}

void paintBackground(QImage& image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(0x1f, 0x4e, 0x5a)); // dark teal
    sky.setColorAt(0.55, QColor(0x24, 0x3b, 0x4a));
    sky.setColorAt(1.0, QColor(0x2a, 0x33, 0x41)); // slate
    painter.fillRect(image.rect(), sky);

    // A broad, faint glow in the upper left keeps the gradient from looking flat.
    QRadialGradient glow(QPointF(kWidth * 0.28, kHeight * 0.18), kWidth * 0.7);
    glow.setColorAt(0.0, QColor(255, 255, 255, 22));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);

    painter.setPen(Qt::NoPen);
    for (const Ball& ball : scatterBalls()) {
        // Lit from the upper left: a highlight fading to a barely visible rim.
        QRadialGradient shade(QPointF(ball.x, ball.y), ball.radius,
                              QPointF(ball.x - ball.radius * 0.35, ball.y - ball.radius * 0.35));
        shade.setColorAt(0.0, QColor(225, 240, 240, ball.alpha));
        shade.setColorAt(0.7, QColor(190, 215, 220, ball.alpha / 3));
        shade.setColorAt(1.0, QColor(190, 215, 220, ball.alpha / 5));
        painter.setBrush(shade);
        painter.drawEllipse(QPointF(ball.x, ball.y), ball.radius, ball.radius);

        QPen rim(QColor(220, 235, 238, ball.alpha / 2));
        rim.setWidthF(1.0);
        painter.setPen(rim);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(ball.x, ball.y), ball.radius - 0.5, ball.radius - 0.5);
        painter.setPen(Qt::NoPen);
    }

    // Darker edges draw the eye to the middle, where the windows sit.
    QRadialGradient vignette(QPointF(kWidth / 2.0, kHeight / 2.0), kWidth * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 70));
    painter.fillRect(image.rect(), vignette);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(QFileInfo(output).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", argv[1]);
        return 1;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    paintBackground(image);
    // Written under another name first, so an interrupted build leaves no broken picture.
    const QString temporary = output + u".new"_s;
    if (!image.save(temporary, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(temporary));
        return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(temporary, output)) {
        QFile::remove(temporary);
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
