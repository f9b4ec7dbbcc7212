#pragma once

#include "app/fenster.h"

#include <QWidget>

// The print window: progress while a page is composed, then printer choice,
// print and cancel.
class Tdruckfenster : public QWidget {
    Q_OBJECT
public:
    explicit Tdruckfenster(Fenster& fenster, QWidget* parent = nullptr);
    Fenster& fenster;
};
