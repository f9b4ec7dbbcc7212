#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

// One routine per area; each writes its PNG files into the folder given.
void aufnahmenBrett(const QDir& ziel);         // boards in every element set
void aufnahmenHauptfenster(const QDir& ziel);  // splash and main window, both languages
void aufnahmenDialoge(const QDir& ziel);       // win dialogs, both languages
void aufnahmenDruck(const QDir& ziel);         // print page and print window, both languages
void aufnahmenHilfe(const QDir& ziel);         // every help page, both languages

// Grabs a widget (shown offscreen first if need be) into ziel/name.png.
void aufnehmen(QWidget* w, const QDir& ziel, const QString& name);
