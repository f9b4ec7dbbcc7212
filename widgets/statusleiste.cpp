#include "widgets/statusleiste.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

Statusleiste::Statusleiste(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stat"));
    setMouseTracking(true);
    setAutoFillBackground(true);
}

QString Statusleiste::panelText(int i) const { return texte_.at(size_t(i)); }

void Statusleiste::setPanelText(int i, const QString& text)
{
    const bool neu = texte_.at(size_t(i)) != text;
    texte_.at(size_t(i)) = text;
    update();
    if (neu && QAccessible::isActive()) {
        QAccessibleEvent e(this, QAccessible::NameChanged);
        e.setChild(i);
        QAccessible::updateAccessibility(&e);
    }
}

void Statusleiste::panelTextMerken(int i, const QString& text) { texte_.at(size_t(i)) = text; }

void Statusleiste::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QColor hell(0xFF, 0xFF, 0xFF), dunkel(0xA0, 0x9E, 0x90);
    int links = 0;
    for (int i = 0; i < 4; ++i) {
        // The last panel fills the rest of the bar.
        const int breite = i == 3 ? std::max(breiten[3], width() - links) : breiten[size_t(i)];
        const QRect r(links, 2, breite - 2, height() - 2);
        p.setPen(dunkel);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(hell);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::WindowText));
        const QRect textRaum = r.adjusted(3, 1, -2, 0);
        p.drawText(textRaum, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   fontMetrics().elidedText(texte_[size_t(i)], Qt::ElideRight, textRaum.width()));
        links += breite;
    }
}

void Statusleiste::mousePressEvent(QMouseEvent* e)
{
    gedrueckt_ = e->button() == Qt::LeftButton;
    QWidget::mousePressEvent(e);
}

void Statusleiste::mouseDoubleClickEvent(QMouseEvent* e)
{
    gedrueckt_ = false;
    e->accept();
}

void Statusleiste::mouseReleaseEvent(QMouseEvent* e)
{
    const bool klick = gedrueckt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    gedrueckt_ = false;
    if (klick)
        Q_EMIT clicked(e->position().toPoint().x());
    QWidget::mouseReleaseEvent(e);
}

void Statusleiste::mouseMoveEvent(QMouseEvent* e)
{
    Q_EMIT mouseMoved(e->position().toPoint().x());
    QWidget::mouseMoveEvent(e);
}
