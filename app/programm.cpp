#include "app/programm.h"

#include "app/tstart.h"
#include "board/spielfeldzugang.h"
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "help/thilfe.h"
#include "mainwindow/tprog.h"
#include "print/druckmodus.h"
#include "print/tdruckfenster.h"
#include "widgets/zugang.h"

#include <QCoreApplication>

Programm::Programm(const QString& sprache, bool splashZuerst)
{
    // Assistive technology learns of the program's own controls.
    zugangEinrichten();
    brettZugangEinrichten();

    // The order matters: the splash, made first, holds the language value
    // that every later window reads.
    start_ = behalten(new Tstart(sprache));
    sprache_.setLabel(start_->spr);
    if (splashZuerst) {
        // Something to look at while the rest is built.
        start_->show();
        QCoreApplication::processEvents();
    }

    prog_ = behalten(new Tprog(sprache_));

    info_ = behalten(new QWidget);  // created like the others, never shown
    info_->setObjectName(QStringLiteral("Tinfo"));

    gewKein_ = behalten(new Tgew_kein(sprache_, prog_));
    gewHigh_ = behalten(new Tgew_high(sprache_, prog_));
    druckfenster_ = behalten(new Tdruckfenster(sprache_, *prog_));
    hilfe_ = behalten(new Thilfe(Hilfefenster::Seiten::beimZeigen));
    hilfeEn_ = behalten(new Thilfe_en(Hilfefenster::Seiten::beimZeigen));

    verbinden();
}

Programm::~Programm()
{
    while (!besitz_.empty())
        besitz_.pop_back();
}

void Programm::verbinden()
{
    // The splash hands over to the main window.
    QObject::connect(start_, &Tstart::hauptfensterGewuenscht, prog_, [this] {
        prog_->show();
        prog_->raise();
        prog_->activateWindow();
    });
    // A won game shows its dialog.
    QObject::connect(prog_, &Tprog::gewonnenOhneHighscore, gewKein_, &Tgew_kein::zeigen);
    QObject::connect(prog_, &Tprog::gewonnenMitHighscore, gewHigh_, &Tgew_high::zeigen);
    // "Prepare" composes a page in the print window.
    QObject::connect(prog_, &Tprog::vorbereitenGeklickt, druckfenster_,
                     [this] { druckfenster_->druck().vorschaudruckClick(); });
    // "Information" opens the help window of the language, read at the
    // moment of the click.
    QObject::connect(prog_, &Tprog::informationGewuenscht, prog_, [this] {
        QWidget* h = sprache_.deutsch() ? static_cast<QWidget*>(hilfe_) : static_cast<QWidget*>(hilfeEn_);
        h->show();
        h->raise();
        h->activateWindow();
    });
    // Closing the main window ends the program.
    QObject::connect(prog_, &Tprog::geschlossen, start_, &QWidget::close);
}

void Programm::starten() { start_->show(); }
