#include "app/programm.h"

#include "app/tstart.h"
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "help/thilfe.h"
#include "mainwindow/tprog.h"
#include "print/tdruckfenster.h"

#include <QApplication>

Programm::Programm(const QString& sprache)
{
    // The order matters: each window's constructor may use the windows made
    // before it, and the splash, made first, holds the language value.
    auto* start = new Tstart(fenster, sprache);
    besitz_.emplace_back(start);

    fenster.prog = new Tprog(fenster);
    besitz_.emplace_back(fenster.prog);

    fenster.info = new QWidget;  // created like the others, never shown
    fenster.info->setObjectName(QStringLiteral("Tinfo"));
    besitz_.emplace_back(fenster.info);

    fenster.gew_kein = new Tgew_kein(fenster);
    besitz_.emplace_back(fenster.gew_kein);

    fenster.gew_high = new Tgew_high(fenster);
    besitz_.emplace_back(fenster.gew_high);

    fenster.druckfenster = new Tdruckfenster(fenster);
    besitz_.emplace_back(fenster.druckfenster);

    fenster.hilfe = new Thilfe(fenster);
    besitz_.emplace_back(fenster.hilfe);

    fenster.hilfe_en = new Thilfe_en(fenster);
    besitz_.emplace_back(fenster.hilfe_en);
}

Programm::~Programm()
{
    while (!besitz_.empty())
        besitz_.pop_back();
}

void Programm::starten()
{
    fenster.start->show();
}
