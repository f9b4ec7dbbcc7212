#pragma once

// Catches the addresses the program hands to the browser, for a test that
// registers it as the handler of "http" (QDesktopServices::setUrlHandler).

#include <QList>
#include <QObject>
#include <QUrl>

class Adressfaenger : public QObject {
    Q_OBJECT
public:
    QList<QUrl> adressen;
public Q_SLOTS:
    void oeffnen(const QUrl& u) { adressen << u; }
};
