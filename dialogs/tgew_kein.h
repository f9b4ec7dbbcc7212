#pragma once

#include "app/fenster.h"

#include <QWidget>

// Congratulations on a solved puzzle below the high-score threshold.
class Tgew_kein : public QWidget {
    Q_OBJECT
public:
    explicit Tgew_kein(Fenster& fenster, QWidget* parent = nullptr);
    Fenster& fenster;
};
