#include "help/verweis.h"

#include <QFontMetrics>

#include <algorithm>

QString verweisAdresse(const QString& link, QChar herkunft)
{
    QString adresse = QStringLiteral("http://www.") + link + QStringLiteral("&rf=su") + herkunft;
    // One replacement each at most: a later ".de&" cannot exist anyway, as
    // the suffix holds the only "&" we add, but a link that already carries
    // one must stay as written.
    const qsizetype de = adresse.indexOf(QLatin1String(".de&"));
    if (de >= 0)
        adresse.replace(de, 4, QStringLiteral(".de/&"));
    const qsizetype com = adresse.indexOf(QLatin1String(".com&"));
    if (com >= 0)
        adresse.replace(com, 5, QStringLiteral(".com/&"));
    return adresse;
}

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
    l->beiKlick = [l] { BrowseToCaption(l); };
    return l;
}
