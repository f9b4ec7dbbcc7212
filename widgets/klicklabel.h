#pragma once

#include <QLabel>

class QMouseEvent;

// A picture or caption that reacts to the mouse: clicked() for a click
// (press and release over it with the left button), pressed() for any press
// (a window can be dragged by it). A label with either signal connected
// keeps its presses from the widget beneath; one with neither passes them on
// like a plain label.
class KlickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // A link opens on every click, however quickly the clicks follow each
    // other; buttons take the second click of a double click as no new one.
    bool jederKlickZaehlt = false;

    // Makes the label a button for the keyboard too: Tab reaches it (a mouse
    // click does not focus it, so a mouse player sees nothing new), it shows
    // a focus frame, Enter or Space click it, and assistive technology sees
    // a button of that name.
    void alsKnopf(const QString& name);
    bool istKnopf() const { return knopf_; }

Q_SIGNALS:
    void clicked();
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    // The second press of a double click still counts as a press, but,
    // except for links, does not make a second click.
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool knopf_ = false;
    // The focus frame shows only for focus the keyboard brought (Tab): the
    // focus a window hands its first control when it opens leaves the
    // picture as the mouse player knows it.
    bool vonTastatur_ = false;
    bool drueckbar() const;
    bool klickbar() const;
    bool gedrueckt_ = false;
};

// Every press on the label lets the window system move its window, as if it
// were dragged by its title bar.
void ziehtFenster(KlickLabel* griff);
