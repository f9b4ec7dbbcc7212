// Every page of both help windows; the catalogue also scrolled to the bottom.

#include "help/thilfe.h"
#include "tools/screenshots/aufnahmen.h"

#include <QScrollBar>

#include <memory>

void aufnahmenHilfe(const QDir& ziel)
{
    for (const char* sprache : {"de", "en"}) {
        std::unique_ptr<Hilfefenster> w;
        if (QLatin1String(sprache) == QLatin1String("de"))
            w = std::make_unique<Thilfe>();
        else
            w = std::make_unique<Thilfe_en>();
        const QString basis = QStringLiteral("hilfe_%1_").arg(QLatin1String(sprache));
        for (int i = 0; i < w->pc->count(); ++i) {
            w->pc->setCurrentIndex(i);
            aufnehmen(w.get(), ziel, basis + QString::number(i + 1));
        }
        w->pc->setCurrentIndex(2);
        QScrollBar* bar = w->katalog->scrollBox->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        aufnehmen(w.get(), ziel, basis + QStringLiteral("3_mitte"));
        bar->setValue(bar->maximum());
        aufnehmen(w.get(), ziel, basis + QStringLiteral("3_unten"));
    }
}
