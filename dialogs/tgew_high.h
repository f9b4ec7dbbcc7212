#pragma once

#include "app/fenster.h"

#include <QWidget>

// Congratulations with the offer to enter the result in the high-score table.
class Tgew_high : public QWidget {
    Q_OBJECT
public:
    explicit Tgew_high(Fenster& fenster, QWidget* parent = nullptr);
    Fenster& fenster;
};
