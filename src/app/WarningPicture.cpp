#include "app/WarningPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace pathwick {

namespace {

constexpr int SidePixels = 32;

} // namespace

WarningPicture::WarningPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(SidePixels, SidePixels);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void WarningPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();

    QPainterPath triangle;
    triangle.moveTo(w / 2, 1.5);
    triangle.lineTo(w - 1.5, h - 1.5);
    triangle.lineTo(1.5, h - 1.5);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(128, 0, 0), 2));
    painter.setBrush(QColor(255, 204, 0));
    painter.drawPath(triangle);

    painter.setPen(QPen(Qt::black, w / 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(w / 2, h * 0.35), QPointF(w / 2, h * 0.66));
    painter.drawPoint(QPointF(w / 2, h * 0.8));
}

} // namespace pathwick
