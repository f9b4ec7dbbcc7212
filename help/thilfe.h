#pragma once

#include "app/fenster.h"

#include <QWidget>

// The German help window.
class Thilfe : public QWidget {
    Q_OBJECT
public:
    explicit Thilfe(Fenster& fenster, QWidget* parent = nullptr);
    Fenster& fenster;
};

// The English help window.
class Thilfe_en : public QWidget {
    Q_OBJECT
public:
    explicit Thilfe_en(Fenster& fenster, QWidget* parent = nullptr);
    Fenster& fenster;
};
