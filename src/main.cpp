#include "engine/formb.h"
#include "services/servizi_qt.h"
#include "start/iniziale.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("aggettivi"));

    Modulo1 stato;
    ServiziQt servizi;
    std::unique_ptr<FormB> esercizio;

    auto* inizio = new Iniziale(stato, servizi.servizi(), [&] {
        esercizio = std::make_unique<FormB>(stato, servizi.servizi());
        esercizio->show();
    });
    inizio->show();
    return QApplication::exec();
}
