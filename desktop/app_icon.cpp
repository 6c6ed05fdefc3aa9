#include "desktop/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace vela::desktop {

QImage DrawAppIcon(int sizePixels) {
    QImage image(sizePixels, sizePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 100 x 100 grid and scaled, so every size keeps the same proportions. The installed
    // scalable icon, packaging/vela-upagrahas.svg, is this drawing on the same grid: change both.
    p.scale(sizePixels / 100.0, sizePixels / 100.0);

    QRadialGradient sky(QPointF(50, 40), 70);
    sky.setColorAt(0.0, QColor(0x2b, 0x2f, 0x7a));
    sky.setColorAt(1.0, QColor(0x0d, 0x10, 0x33));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 18, 18);

    // Twelve rays for the twelve houses.
    p.setPen(QPen(QColor(0xf5, 0xb8, 0x2e), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6.0;
        p.drawLine(QPointF(50 + 27 * std::cos(a), 50 + 27 * std::sin(a)),
                   QPointF(50 + 38 * std::cos(a), 50 + 38 * std::sin(a)));
    }
    QRadialGradient sun(QPointF(46, 46), 24);
    sun.setColorAt(0.0, QColor(0xff, 0xe6, 0x8a));
    sun.setColorAt(1.0, QColor(0xf0, 0x9a, 0x1a));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(50, 50), 22, 22);

    // The shadow planet, with a thin rim so it reads on the Sun at small sizes.
    p.setBrush(QColor(0x14, 0x16, 0x3d));
    p.setPen(QPen(QColor(0x6a, 0x70, 0xc8), 1.5));
    p.drawEllipse(QPointF(61, 58), 14, 14);
    p.end();
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : std::array{16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}

}  // namespace vela::desktop
