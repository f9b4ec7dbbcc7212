#pragma once

// The site's side of the score code, written from the decoding steps the
// code's constants document: every test that reads a code back goes
// through here.

#include "dialogs/hochcode.h"

#include <QString>

struct Entschluesselt {
    bool gueltig = false;
    QString fehler;
    int punkte = 0;
    int spielart = 0;
    int aufgedeckt = 0;
    QChar elemente;
    int zufallszahl = 0;      // 12..89
    int fueller[4]{};         // the four filler digits, positions 1, 3, 7, 11
    int ersteSumme = 0;
};

inline int ziffer(QChar c) { return c.digitValue(); }

inline QChar nehmen(QString& s, int position)
{
    const QChar c = s.at(position - 1);
    s.remove(position - 1, 1);
    return c;
}

inline Entschluesselt entschluesseln(const QString& code)
{
    Entschluesselt e;
    auto fehler = [&](const char* t) {
        e.fehler = QString::fromLatin1(t);
        return e;
    };
    if (code.size() != 23)
        return fehler("length");
    for (QChar c : code)
        if (!c.isDigit())
            return fehler("not a digit");
    QString s = code;
    const int pruef = ziffer(s.at(22)) * 10 + ziffer(s.at(21));
    s.chop(2);
    int summe = 0;
    for (QChar c : s)
        summe += ziffer(c);
    if ((summe + hochcode::checkOffset) % 100 != pruef)
        return fehler("check digits");
    e.fueller[3] = ziffer(nehmen(s, 11));
    e.fueller[2] = ziffer(nehmen(s, 7));
    e.fueller[1] = ziffer(nehmen(s, 3));
    e.fueller[0] = ziffer(nehmen(s, 1));
    static const char buchstaben[] = {'C', '?', 'R', '?', 'B', '?', 'S', '?', 'K', '?'};
    e.elemente = QLatin1Char(buchstaben[ziffer(nehmen(s, 5))]);
    e.spielart = ziffer(nehmen(s, 10));
    const int einer = ziffer(nehmen(s, 1));
    e.aufgedeckt = ziffer(nehmen(s, 7)) * 10 + einer;
    const int d1 = ziffer(nehmen(s, 2));
    e.ersteSumme = ziffer(nehmen(s, 9)) * 10 + d1;
    int summe11 = 0;
    for (QChar c : s)
        summe11 += ziffer(c);
    if (summe11 != e.ersteSumme)
        return fehler("first digit sum");
    e.zufallszahl = s.mid(3, 2).toInt();
    s.remove(3, 2);
    const qint64 v = s.toLongLong();
    if ((v - hochcode::addend) % hochcode::multiplier != 0)
        return fehler("points remainder");
    e.punkte = int((v - hochcode::addend) / hochcode::multiplier + hochcode::subtrahend);
    e.gueltig = true;
    return e;
}
