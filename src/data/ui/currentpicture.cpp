#include "data/ui/currentpicture.h"

#include <QLinearGradient>
#include <QPainter>

void CurrentPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(200, 225, 250));
    sky.setColorAt(1, QColor(245, 248, 252));
    painter.fillRect(rect(), sky);

    // The battery behind the voltage, with its terminal on top.
    const QRect battery(170, 92, 122, 76);
    painter.setPen(QPen(QColor(90, 90, 90), 2));
    painter.setBrush(QColor(255, 255, 235));
    painter.drawRoundedRect(battery, 8, 8);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRect(battery.center().x() - 12, battery.top() - 7, 24, 7);

    // Charge flows in on the left, load flows out on the right.
    painter.setPen(QPen(QColor(0, 140, 0), 4));
    painter.drawLine(40, 130, 160, 130);
    painter.drawLine(146, 120, 160, 130);
    painter.drawLine(146, 140, 160, 130);
    painter.setPen(QPen(QColor(200, 90, 0), 4));
    painter.drawLine(302, 130, 400, 130);
    painter.drawLine(386, 120, 400, 130);
    painter.drawLine(386, 140, 400, 130);

    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
