#include "widgets/stil.h"

void schriftenEinrichten()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

QFont standardSchrift(int pixel)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixel);
    return f;
}

QPixmap Programmstil::generatedIconPixmap(QIcon::Mode modus, const QPixmap& bild, const QStyleOption* opt) const
{
    if (modus == QIcon::Disabled)
        return bild;
    return QProxyStyle::generatedIconPixmap(modus, bild, opt);
}
