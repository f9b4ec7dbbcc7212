#pragma once

#include <QGroupBox>

// A group box drawn as the main window's boxes are meant to look: a thin
// light frame with the caption sitting on its top line.
class Gruppe : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override;
};
