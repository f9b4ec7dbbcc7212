#pragma once

// Small pieces that every window of the program uses.

#include <QDesktopServices>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <functional>

// A picture or caption that reacts to the mouse: a click (press and release
// over it with the left button) and any press (for dragging a window by it).
class KlickLabel : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void()> beiKlick;
    std::function<void(QMouseEvent*)> beiDruck;

    // A link opens on every click, however quickly the clicks follow each
    // other; buttons take the second click of a double click as no new one.
    bool jederKlickZaehlt = false;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (beiDruck)
            beiDruck(e);
        else if (beiKlick)
            e->accept();  // a click target keeps its presses from the window beneath
        else
            QLabel::mousePressEvent(e);
        gedrueckt_ = e->button() == Qt::LeftButton;
    }
    // The second press of a double click still counts as a press (a window
    // can be dragged by it) but, except for links, does not make a second click.
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (beiDruck)
            beiDruck(e);
        else if (beiKlick)
            e->accept();
        else
            QLabel::mouseDoubleClickEvent(e);  // ends in mousePressEvent
        gedrueckt_ = jederKlickZaehlt && e->button() == Qt::LeftButton;
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool klick = gedrueckt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
        gedrueckt_ = false;
        QLabel::mouseReleaseEvent(e);
        if (klick && beiKlick)
            beiKlick();
    }

private:
    bool gedrueckt_ = false;
};

// Lets the window system move the window with the mouse, as if it were
// dragged by its title bar.
inline void fensterZiehen(QWidget* w)
{
    if (QWindow* h = w->window()->windowHandle())
        h->startSystemMove();
}

// Hands an address to the user's browser. The result is not examined: where
// no browser starts, nothing visible happens.
inline void adresseOeffnen(const QString& adresse)
{
    QDesktopServices::openUrl(QUrl::fromEncoded(adresse.toUtf8(), QUrl::TolerantMode));
}

// The program's texts name "MS Sans Serif" and "Verdana"; Debian's closest
// faces stand in for them.
inline void schriftenEinrichten()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

// "MS Sans Serif", 11 pixels high (8 points on the original screen).
inline QFont standardSchrift(int pixel = 11)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixel);
    return f;
}

// The program's style: pictures keep their colours in a disabled window. The
// main window is disabled while a dialog or the print window is up and the
// pages while a puzzle is made; the board, the preview and the title picture
// must not turn grey meanwhile.
class Programmstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QPixmap generatedIconPixmap(QIcon::Mode modus, const QPixmap& bild, const QStyleOption* opt) const override
    {
        if (modus == QIcon::Disabled)
            return bild;
        return QProxyStyle::generatedIconPixmap(modus, bild, opt);
    }
};
