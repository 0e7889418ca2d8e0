#include "shell/ui/toolbarimages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <map>

namespace {

constexpr int Side = 32;

QPixmap draw(const std::function<void(QPainter&)>& paint, int width = Side, int height = Side) {
    QPixmap image(width, height);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

QPen pen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void exitDoor(QPainter& p) {
    p.setPen(pen(QColor(90, 60, 30), 2));
    p.setBrush(QColor(200, 150, 90));
    p.drawRect(6, 3, 16, 26);
    p.setPen(pen(Qt::red, 3));
    p.drawLine(16, 16, 29, 16);
    p.drawLine(24, 11, 29, 16);
    p.drawLine(24, 21, 29, 16);
}

void helpMark(QPainter& p) {
    p.setPen(pen(QColor(0, 70, 160), 2));
    p.setBrush(QColor(210, 230, 255));
    p.drawEllipse(3, 3, 26, 26);
    QFont font = p.font();
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

void batteryBolt(QPainter& p) {
    p.setPen(pen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(255, 255, 225));
    p.drawRoundedRect(5, 8, 22, 20, 3, 3);
    p.fillRect(11, 4, 10, 4, QColor(60, 60, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 180, 0));
    p.drawPolygon(QPolygonF({{18, 10}, {11, 19}, {16, 19}, {14, 26}, {21, 16}, {16, 16}}));
}

void barChart(QPainter& p) {
    p.setPen(pen(QColor(60, 60, 60), 2));
    p.drawLine(4, 28, 29, 28);
    p.drawLine(4, 28, 4, 3);
    const QColor colours[] = {QColor(0, 120, 200), QColor(0, 160, 80), QColor(230, 120, 0)};
    const int heights[] = {12, 20, 15};
    for (int bar = 0; bar < 3; ++bar) {
        p.setPen(Qt::NoPen);
        p.setBrush(colours[bar]);
        p.drawRect(8 + bar * 7, 27 - heights[bar], 5, heights[bar]);
    }
}

void sliders(QPainter& p) {
    p.setPen(pen(QColor(60, 60, 60), 2));
    for (int line = 0; line < 3; ++line)
        p.drawLine(5, 7 + line * 9, 27, 7 + line * 9);
    p.setBrush(QColor(0, 120, 200));
    const int knobs[] = {20, 10, 16};
    for (int line = 0; line < 3; ++line)
        p.drawRect(knobs[line] - 3, 3 + line * 9, 6, 8);
}

void modemBox(QPainter& p) {
    p.setPen(pen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(3, 14, 26, 12, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 0));
    for (int led = 0; led < 3; ++led)
        p.drawEllipse(7 + led * 6, 18, 4, 4);
    p.setPen(pen(QColor(60, 60, 60), 2));
    p.drawLine(24, 14, 27, 4);
}

void handsetIn(QPainter& p, const QColor& colour) {
    QPainterPath path;
    path.moveTo(6, 8);
    path.cubicTo(6, 22, 12, 27, 26, 27);
    p.setPen(pen(colour, 7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void handset(QPainter& p) {
    handsetIn(p, QColor(20, 20, 20));
}

// The handset in green with the waves of a call that is up.
void handsetConnected(QPainter& p) {
    const QColor green(0, 150, 0);
    handsetIn(p, green);
    p.setPen(pen(green, 2));
    p.drawArc(QRectF(14, 2, 14, 14), 0, 90 * 16);
    p.drawArc(QRectF(18, 6, 6, 6), 0, 90 * 16);
}

void floppy(QPainter& p) {
    p.setPen(pen(QColor(20, 40, 100), 2));
    p.setBrush(QColor(40, 80, 170));
    p.drawRect(4, 4, 24, 24);
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(9, 4, 14, 9);
    p.setBrush(Qt::white);
    p.drawRect(8, 17, 16, 11);
}

void clockFace(QPainter& p) {
    p.setPen(pen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(3, 3, 26, 26);
    p.drawLine(16, 16, 16, 7);
    p.drawLine(16, 16, 23, 19);
}

void printer(QPainter& p) {
    p.setPen(pen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 14, 10);
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(3, 12, 26, 12, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(9, 20, 14, 9);
}

void wrench(QPainter& p) {
    p.setPen(pen(QColor(90, 90, 100), 5));
    p.drawLine(8, 25, 21, 12);
    p.setPen(pen(QColor(90, 90, 100), 2));
    p.setBrush(QColor(90, 90, 100));
    p.drawEllipse(18, 4, 10, 10);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(22, 3, 4, 6);
}

void tricolour(QPainter& p, int width, int height, const QColor (&bands)[3], bool vertical) {
    for (int band = 0; band < 3; ++band) {
        if (vertical)
            p.fillRect(QRectF(band * width / 3.0, 0, width / 3.0 + 0.5, height), bands[band]);
        else
            p.fillRect(QRectF(0, band * height / 3.0, width, height / 3.0 + 0.5), bands[band]);
    }
}

void unionFlag(QPainter& p, int width, int height) {
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(0, 0, width, height, blue);
    p.setPen(QPen(Qt::white, height / 4.0));
    p.drawLine(0, 0, width, height);
    p.drawLine(0, height, width, 0);
    p.setPen(QPen(red, height / 10.0));
    p.drawLine(0, 0, width, height);
    p.drawLine(0, height, width, 0);
    p.fillRect(QRectF(0, height * 0.35, width, height * 0.3), Qt::white);
    p.fillRect(QRectF(width * 0.42, 0, width * 0.16, height), Qt::white);
    p.fillRect(QRectF(0, height * 0.4, width, height * 0.2), red);
    p.fillRect(QRectF(width * 0.45, 0, width * 0.1, height), red);
}

QPolygonF star(QPointF centre, qreal outer) {
    QPolygonF points;
    for (int corner = 0; corner < 10; ++corner) {
        const qreal radius = corner % 2 == 0 ? outer : outer * 0.4;
        const qreal angle = -M_PI / 2 + corner * M_PI / 5;
        points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return points;
}

void chinaFlag(QPainter& p, int width, int height) {
    p.fillRect(0, 0, width, height, QColor(222, 41, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 0));
    p.drawPolygon(star({width * 0.18, height * 0.28}, height * 0.2));
    for (const QPointF small :
         {QPointF(0.35, 0.1), QPointF(0.42, 0.22), QPointF(0.42, 0.38), QPointF(0.35, 0.5)})
        p.drawPolygon(star({width * small.x(), height * small.y()}, height * 0.07));
}

void flag(QPainter& p, int language, int width, int height) {
    switch (language) {
    case 0:
        unionFlag(p, width, height);
        break;
    case 1:
        tricolour(p, width, height, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true);
        break;
    case 2:
        chinaFlag(p, width, height);
        break;
    default:
        tricolour(p, width, height, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false);
        break;
    }
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width - 1, height - 1);
}

} // namespace

QPixmap languageFlag(int languageIndex) {
    return draw([languageIndex](QPainter& p) { flag(p, languageIndex, Side, 20); }, Side, 20);
}

QPixmap toolBarImage(int index) {
    using namespace ToolImage;
    if (index >= FirstFlag)
        return draw([index](QPainter& p) {
            p.translate(0, 6);
            flag(p, index - FirstFlag, Side, 20);
        });
    static const std::map<int, void (*)(QPainter&)> painters{{Exit, exitDoor},
                                                             {Help, helpMark},
                                                             {Current, batteryBolt},
                                                             {History, barChart},
                                                             {Settings, sliders},
                                                             {ModemSetup, modemBox},
                                                             {Dial, handset},
                                                             {Save, floppy},
                                                             {Periodic, clockFace},
                                                             {Print, printer},
                                                             {Connected, handsetConnected},
                                                             {Tools, wrench}};
    const auto found = painters.find(index);
    return found == painters.end() ? QPixmap() : draw(found->second);
}

QIcon toolBarIcon(int index) {
    const QPixmap image = toolBarImage(index);
    QIcon icon(image);
    const auto faded = [&image](QPainter& p) {
        p.setOpacity(0.3);
        p.drawPixmap(0, 0, image);
    };
    icon.addPixmap(draw(faded, image.width(), image.height()), QIcon::Disabled);
    return icon;
}

QPixmap confirmGlyph() {
    return draw([](QPainter& p) {
        p.setPen(pen(QColor(0, 150, 0), 4));
        p.drawPolyline(QPolygonF({{6, 17}, {13, 25}, {27, 7}}));
    });
}

QPixmap cancelGlyph() {
    return draw([](QPainter& p) {
        p.setPen(pen(QColor(200, 0, 0), 4));
        p.drawLine(8, 8, 24, 24);
        p.drawLine(24, 8, 8, 24);
    });
}

QPixmap fontGlyph() {
    return draw([](QPainter& p) {
        QFont font(QStringLiteral("Serif"));
        font.setPixelSize(22);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRect(0, 0, Side, Side), Qt::AlignCenter, QStringLiteral("Aa"));
    });
}

QPixmap openFolderGlyph() {
    return draw([](QPainter& p) {
        p.setPen(pen(QColor(120, 90, 20), 2));
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(QPolygonF({{3, 9}, {12, 9}, {15, 12}, {27, 12}, {27, 27}, {3, 27}}));
        p.setPen(pen(QColor(0, 110, 0), 3));
        p.drawLine(15, 24, 15, 15);
        p.drawLine(11, 19, 15, 15);
        p.drawLine(19, 19, 15, 15);
    });
}
