#include "print/tdruckfenster.h"

Tdruckfenster::Tdruckfenster(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f) {}
