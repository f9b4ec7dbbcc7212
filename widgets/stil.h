#pragma once

// The program's fonts and style.

#include <QFont>
#include <QProxyStyle>

// The program's texts name "MS Sans Serif" and "Verdana"; Debian's closest
// faces stand in for them.
void schriftenEinrichten();

// "MS Sans Serif", 11 pixels high (8 points on the original screen).
QFont standardSchrift(int pixel = 11);

// The program's style: pictures keep their colours in a disabled window. The
// main window is disabled while a dialog or the print window is up and the
// pages while a puzzle is made; the board, the preview and the title picture
// must not turn grey meanwhile.
class Programmstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QPixmap generatedIconPixmap(QIcon::Mode modus, const QPixmap& bild, const QStyleOption* opt) const override;
};
