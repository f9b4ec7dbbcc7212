#pragma once

#include <QDir>

// One drawing routine per area of the program. Each writes its pictures into
// its own folder below the assets folder it is given.
void zeichneKacheln(const QDir& assets);       // kacheln/: tile lists and mark tiles
void zeichneHauptfenster(const QDir& assets);  // hauptfenster/: title, buttons, splash, icon
void zeichneDialoge(const QDir& assets);       // dialoge/: win dialog pictures
void zeichneDruckfenster(const QDir& assets);  // druck/: print window pictures
void zeichneHilfe(const QDir& assets);         // hilfe/: help header, donation picture, catalogue icons

// Saves a picture, failing loudly: a missing asset must not go unnoticed.
bool speichern(const QImage& bild, const QDir& ordner, const QString& name, int qualitaet = -1);
