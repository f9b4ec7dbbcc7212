#include "help/thilfe.h"

Thilfe::Thilfe(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f) {}
Thilfe_en::Thilfe_en(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f) {}
