#pragma once

#include <QDir>
#include <QFont>
#include <QImage>
#include <QString>

// One drawing routine per area of the program. Each writes its pictures into
// its own folder below the assets folder it is given.
void zeichneKacheln(const QDir& assets);       // kacheln/: tile lists and mark tiles
void zeichneHauptfenster(const QDir& assets);  // hauptfenster/: title, buttons, splash, icon
void zeichneDialoge(const QDir& assets);       // dialoge/: win dialog pictures
void zeichneDruckfenster(const QDir& assets);  // druck/: print window pictures
void zeichneHilfe(const QDir& assets);         // hilfe/: help header, donation picture, catalogue icons

// The scale the pictures are drawn at: 1 for the files every screen gets,
// 2 and 3 for the variants that sharper screens get ("titel@2x.png").
extern int zeichenMassstab;

// A picture of breite x hoehe pixels at the scale being drawn: the drawing
// code works in those pixels whatever the scale, and the picture has
// zeichenMassstab times as many in each direction.
QImage leinwand(int breite, int hoehe, QImage::Format format);

// Saves a picture, failing loudly: a missing asset must not go unnoticed.
// Above scale 1 the name gets its "@2x" or "@3x" before the extension.
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
