// The yardstick: an empty Qt Widgets window up to its first paint.
#include "primo_disegno.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrimoDisegno disegno;
    QWidget w;
    w.resize(825, 596);
    disegno.osserva(&w, PrimoDisegno::esci);
    w.show();
    const int r = QApplication::exec();
    PrimoDisegno::riporta();
    return r;
}
