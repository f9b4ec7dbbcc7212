#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"

Tgew_kein::Tgew_kein(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f) {}
Tgew_high::Tgew_high(Fenster& f, QWidget* parent) : QWidget(parent), fenster(f) {}
