#pragma once

#include <QDir>
#include <QFont>
#include <QString>

// One drawing routine per area of the program. Each writes its pictures into
// its own folder below the assets folder it is given.
void zeichneKacheln(const QDir& assets);       // kacheln/: tile lists and mark tiles
void zeichneHauptfenster(const QDir& assets);  // hauptfenster/: title, buttons, splash, icon
void zeichneDialoge(const QDir& assets);       // dialoge/: win dialog pictures
void zeichneDruckfenster(const QDir& assets);  // druck/: print window pictures
void zeichneHilfe(const QDir& assets);         // hilfe/: help header, donation picture, catalogue icons

// Saves a picture, failing loudly: a missing asset must not go unnoticed.
bool speichern(const QImage& bild, const QDir& ordner, const QString& name, int qualitaet = -1);

// A face at a pixel size, anti-aliased: the text of the larger pictures.
inline QFont schrift(const char* familie, int pixel, bool fett = false, bool kursiv = false)
{
    QFont f(QString::fromLatin1(familie));
    f.setPixelSize(pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
