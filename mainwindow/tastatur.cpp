// The main window from the keyboard: the order Tab follows, the window's
// own keys, and what a screen reader is told of the board's cells.
#include "mainwindow/tprog.h"

#include "board/spielfeld.h"
#include "widgets/klicklabel.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabWidget>

void Tprog::tastaturEinrichten()
{
    // Tab reaches every control in reading order: the pages, the board, the
    // game group, the print group, then the links and the help text.
    QWidget* reihe[] = {pc, spielfeld, cbspiel, cbspielart, cbgeloest, cbelemente, Image4,
                        cbdruck, Image7, Image2, Image3, hilfep};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
    // Undo and redo on the board, Alt+1 / Alt+2 for the pages.
    auto taste = [this](const QKeySequence& folge, auto&& tun) {
        auto* k = new QShortcut(folge, this);
        k->setContext(Qt::WindowShortcut);
        connect(k, &QShortcut::activated, this, tun);
    };
    taste(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { spielfeld->rueckgaengig(); });
    taste(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { spielfeld->wiederholen(); });
    taste(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { spielfeld->wiederholen(); });
    taste(QKeySequence(Qt::ALT | Qt::Key_1), [this] {
        if (pc->isEnabled())
            pc->setCurrentIndex(0);
    });
    taste(QKeySequence(Qt::ALT | Qt::Key_2), [this] {
        if (pc->isEnabled())
            pc->setCurrentIndex(1);
    });

    // What a screen reader says for a cell.
    spielfeld->setZellenname([this](int x, int y, const Spielzustand& z) {
        const Texte& t = texte_;
        const int32_t wert = z.eingabe[x - 1][y - 1];
        auto element = [&](int v) {
            return z.elemente == 'C' ? QString(QChar(u'A' + v - 1)) : QString::number(v);
        };
        QString inhalt;
        if (wert != 0) {
            inhalt = element(wert);
            if (z.vorgabe[x - 1][y - 1] != 0)
                inhalt += QStringLiteral(", ") + t.zelleVorgegeben;
        } else {
            inhalt = t.zelleLeer;
            QStringList gesetzt;
            for (int v = 1; v <= 9; ++v)
                if (z.markierung[x - 1][y - 1][(v - 1) % 3][(v - 1) / 3] == 1)
                    gesetzt << element(v);
            if (!gesetzt.isEmpty()) {
                QString liste = gesetzt.last();
                if (gesetzt.size() > 1)
                    liste = QStringList(gesetzt.mid(0, gesetzt.size() - 1)).join(QStringLiteral(", ")) + t.und +
                            gesetzt.last();
                inhalt += QStringLiteral(", ") + (gesetzt.size() == 1 ? t.marke : t.marken).arg(liste);
            }
        }
        return t.zelle.arg(y).arg(x).arg(inhalt);
    });
}
