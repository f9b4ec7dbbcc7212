#pragma once

#include <QString>
#include <QWidget>

#include <array>

// The custom status bar: four panels of widths 150, 50, 120 and the rest.
class Statusleiste : public QWidget {
    Q_OBJECT
public:
    explicit Statusleiste(QWidget* parent = nullptr);
    static constexpr std::array<int, 4> breiten{150, 50, 120, 50};

    QString panelText(int i) const;
    void setPanelText(int i, const QString& text);
    // Keeps the text without asking for a repaint; the next one shows it.
    void panelTextMerken(int i, const QString& text);

Q_SIGNALS:
    void clicked(int x);  // x in the bar's coordinates
    void mouseMoved(int x);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    // The second press of a double click is no new click.
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    std::array<QString, 4> texte_;
    bool gedrueckt_ = false;
};
