#pragma once

#include <QString>

class QLabel;

// Gives the label its picture from the file when the label is first shown,
// not before: a window holds the pictures of both languages and shows one,
// and most windows are never opened in a run. Until then the label has no
// picture; its size must be set by the caller. The picture is the label's
// alone (not kept in a cache): cleared, it is gone.
void bildBeiBedarf(QLabel* label, const QString& pfad);
