#include "widgets/gruppe.h"

#include <QPainter>

void Gruppe::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int mitte = fm.height() / 2;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0xD0, 0xCC, 0xB8));
    p.drawRoundedRect(QRectF(0.5, mitte + 0.5, width() - 1, height() - mitte - 1), 3, 3);
    if (title().isEmpty())
        return;
    const QRect text(7, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, title());
}
