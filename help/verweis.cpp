#include "help/verweis.h"

#include "widgets/stil.h"

#include <QFontMetrics>

#include <algorithm>

void BrowseToCaption(const QLabel* label)
{
    if (label)
        adresseOeffnen(verweisAdresse(label->text()));
}

void BrowseToHint(const QAbstractButton* knopf)
{
    if (knopf)
        adresseOeffnen(verweisAdresse(knopf->toolTip()));
}

int verweisLinks(int links, int breite, int rechterRand)
{
    if (rechterRand >= 0 && links + breite > rechterRand)
        return std::max(0, rechterRand - breite);
    return links;
}

int hilfeVerweisLinks(int links, int breite, int seitenBreite)
{
    return verweisLinks(links, breite, seitenBreite - 5);
}

KlickLabel* verweisLabel(QWidget* eltern, const QString& link, int links, int oben, int rechterRand)
{
    auto* l = new KlickLabel(link, eltern);
    QFont f = standardSchrift(11);
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    l->setPalette(p);
    l->setAutoFillBackground(false);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setCursor(Qt::PointingHandCursor);
    l->setTextFormat(Qt::PlainText);
    l->adjustSize();
    l->move(verweisLinks(links, l->width(), rechterRand), oben);
    QObject::connect(l, &KlickLabel::clicked, l, [l] { BrowseToCaption(l); });
    return l;
}
