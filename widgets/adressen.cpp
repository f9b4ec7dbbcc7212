#include "widgets/adressen.h"

#include <QDesktopServices>
#include <QUrl>

void adresseOeffnen(const QString& adresse)
{
    QDesktopServices::openUrl(QUrl::fromEncoded(adresse.toUtf8(), QUrl::TolerantMode));
}

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
