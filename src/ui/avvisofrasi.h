#pragma once

#include <QLabel>
#include <QPointer>
#include <QStringList>

class QScreen;

// One unobtrusive line at the foot of a window: sentences were left out at
// start-up. A click on it shows why, in a window of its own that outlives the
// start window, so a teacher can read it while the pupil goes on. The window
// that holds the line places it.
class AvvisoFrasi : public QLabel {
    Q_OBJECT
public:
    AvvisoFrasi(QWidget* finestra, int scartate, QStringList problemi);

    static QString testoAvviso(int scartate);
    // New problems: the line and an open list show them.
    void imposta(int scartate, QStringList problemi);
    // The list window, once a click has opened it.
    QWidget* elenco() const { return finestraElenco; }
    void mostraElenco();

    // Where the list goes on `schermo` (its available area): centred, as large
    // as suits a list of messages, never beyond it once the frame is added.
    static QRect postoElenco(const QRect& schermo);

signals:
    // A list window was opened; it is deleted when closed.
    void elencoAperto(QWidget* elenco);

protected:
    // Taken here, so the click never reaches the window below as its own.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QStringList problemi;
    QPointer<QWidget> finestraElenco;
};
