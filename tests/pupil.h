#pragma once

#include "engine/albero.h"
#include "fakes.h"
#include "services/geometria.h"

#include <QTest>
#include <gtest/gtest.h>

// The open question, as the pupil sees it: which answer buttons are visible.
inline std::vector<QPushButton*> bottoniVisibili(Esercizio& e) {
    std::vector<QPushButton*> v;
    for (QPushButton* b : e.f->findChildren<QPushButton*>())
        if (b->isVisible() && b->objectName() != QLatin1String("VIA") &&
            b->objectName() != QLatin1String("FINE") &&
            b->objectName() != QLatin1String("Command8"))
            v.push_back(b);
    return v;
}

inline void clicca(QPushButton* b) {
    QTest::mouseClick(b, Qt::LeftButton);
}

// The trail as shown: texts of the visible labels display(1..10).
inline std::vector<std::string> traccia(Esercizio& e) {
    std::vector<std::string> t;
    for (int i = 1; i <= 10; ++i)
        if (e.l("display", i)->isVisible()) t.push_back(e.l("display", i)->text().toStdString());
    return t;
}

// Presses the right button of the open question; false when none is open.
inline bool premiGiusto(Esercizio& e) {
    if (e.b("VIA")->isVisible()) return false;
    if (e.b("Com10")->isVisible()) {
        const int parte = e.m.frasi.chiave1(e.m.nfrase, e.m.nparola);
        clicca(e.b(parte < 6 ? "Com10" : "Com11"));
        return true;
    }
    for (const DescrizioneDomanda& d : tutteLeDomande()) {
        const QString nome = qs(d.nome);
        bool aperta = false;
        for (int i = 1; i <= static_cast<int>(d.bottoni.size()); ++i)
            aperta = aperta || e.b(nome.toLatin1().constData(), i)->isVisible();
        if (!aperta) continue;
        const int attesa = e.m.attesa;
        if (attesa < 1 || attesa > static_cast<int>(d.bottoni.size())) {
            ADD_FAILURE() << "no right button: " << nome.toStdString() << " expects " << attesa;
            return false;
        }
        clicca(e.b(nome.toLatin1().constData(), attesa));
        return true;
    }
    ADD_FAILURE() << "no question open and VIA hidden; word " << e.m.nparola.intero() << " attesa "
                  << e.m.attesa.intero() << " ndisplay " << e.m.ndisplay.intero() << " trail "
                  << traccia(e).size();
    return false;
}
