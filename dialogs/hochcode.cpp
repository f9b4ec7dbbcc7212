#include "dialogs/hochcode.h"

#include "widgets/adressen.h"
#include "widgets/texte.h"

#include <QUrl>

#include <algorithm>
#include <cstdint>

namespace hochcode {

namespace {

int ziffernsumme(const QString& s)
{
    int summe = 0;
    for (QChar c : s)
        if (c.isDigit())
            summe += c.digitValue();
    return summe;
}

// Puts t into s so that it begins at the 1-based position k. A position past
// the end appends, so a malformed input shortens the code instead of
// throwing it off.
void einfuegen(QString& s, int k, const QString& t)
{
    const qsizetype i = std::clamp<qsizetype>(k - 1, 0, s.size());
    s.insert(i, t);
}

// Two characters, a missing tens digit written as "0": a digit sum below 10
// or a one-digit revealed count still fills both places.
QString zweistellig(QString t)
{
    while (t.size() < 2)
        t.prepend(QLatin1Char('0'));
    return t;
}

}  // namespace

QString codeBilden(const QString& punkte, const QString& spielart, const QString& aufgedeckt,
                   const QString& elemente, Zufallsquelle& zufall)
{
    // 1. The enciphered points. 64-bit arithmetic: no input can overflow.
    const int64_t p = punkte.trimmed().toInt();
    const int64_t v = (p - subtrahend) * int64_t(multiplier) + addend;
    QString s = QString::number(v);

    // 2. A random two-digit number at position 4.
    const int r = zufall.ziehe(78) + 12;
    einfuegen(s, 4, QString::number(r));

    // 3. The digit sum of those 11 digits, tens digit at 9, units digit at 2.
    const QString d = zweistellig(QString::number(ziffernsumme(s)));
    einfuegen(s, 9, d.mid(0, 1));
    einfuegen(s, 2, d.mid(1, 1));

    // 4. The revealed count, tens digit at 7, units digit at 1.
    const QString a = zweistellig(aufgedeckt.trimmed());
    einfuegen(s, 7, a.mid(0, 1));
    einfuegen(s, 1, a.mid(1, 1));

    // 5. The game kind.
    einfuegen(s, 10, spielart.trimmed());

    // 6. The element set as an even digit; an unknown letter adds nothing.
    static const struct {
        const char* buchstabe;
        const char* ziffer;
    } ziffern[] = {{"R", "2"}, {"B", "4"}, {"S", "6"}, {"K", "8"}, {"C", "0"}};
    for (const auto& z : ziffern)
        if (elemente == QLatin1String(z.buchstabe)) {
            einfuegen(s, 5, QLatin1String(z.ziffer));
            break;
        }

    // 7. Four random filler digits.
    for (int k : {1, 3, 7, 11})
        einfuegen(s, k, QString::number(zufall.ziehe(8)));

    // 8. Check digits, units first.
    const QString t = QString::number(ziffernsumme(s) + checkOffset);
    if (t.size() >= 2) {
        s.append(t.at(t.size() - 1));
        s.append(t.at(t.size() - 2));
    }
    return s;
}

QString nameKodieren(const QString& name)
{
    // toPercentEncoding leaves exactly the unreserved characters alone.
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

QString adresse(bool deutsch, const QString& kodierterName, const QString& code)
{
    return QLatin1String(deutsch ? webadressen::highscoreDe : webadressen::highscoreInt) + QLatin1String(pfad)
           + kodierterName + QLatin1String("&code=") + code;
}

QString standardName(bool deutsch)
{
    return texte(deutsch).anonym;
}

}  // namespace hochcode
