#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

// A picture of the program for a screen with the given device pixel ratio.
// At 1 it is the file itself, exactly; a finer screen gets the "@2x" or
// "@3x" variant that tools/assetgen draws beside every picture, and a ratio
// between those steps the next finer one brought to the screen's own pixels.
// The picture's size in logical pixels is the file's size at 1x.
QPixmap bildFuer(const QString& pfad, qreal verhaeltnis);

// The name of the variant of a picture for a scale of 2 or 3: "titel@2x.png".
QString variante(const QString& pfad, int stufe);

// Gives the label its picture from the file when the label is first shown,
// not before: a window holds the pictures of both languages and shows one,
// and most windows are never opened in a run. The picture is drawn for the
// device pixel ratio of the screen the label is on, and again when that
// changes. Until it is shown the label has no picture; its size must be set
// by the caller. The picture is the label's alone (not kept in a cache):
// cleared, it is gone.
void bildBeiBedarf(QLabel* label, const QString& pfad);
