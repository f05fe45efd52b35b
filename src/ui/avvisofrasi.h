#pragma once

#include <QLabel>
#include <QPointer>
#include <QStringList>

// One unobtrusive line at the foot of a window: sentences were left out at
// start-up. A click on it shows why, in a window of its own that outlives the
// start window, so a teacher can read it while the pupil goes on.
class AvvisoFrasi : public QLabel {
    Q_OBJECT
public:
    AvvisoFrasi(QWidget* finestra, int scartate, QStringList problemi);

    static QString testoAvviso(int scartate);
    // The list window, once a click has opened it.
    QWidget* elenco() const { return finestraElenco; }

protected:
    // Taken here, so the click never reaches the window below as its own.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void colloca();
    void mostraElenco();

    QStringList problemi;
    QPointer<QWidget> finestraElenco;
};
