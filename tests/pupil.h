#pragma once

#include "colonne.h"
#include "core/albero.h"
#include "fakes.h"
#include "ui/geometria.h"

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

// The key column each answer array reads (colonne.h), by its name.
inline int colonnaDellaDomanda(const QString& array) {
    return colonnaDi(std::string_view(array.toStdString()));
}

// The answer array now open, as the pupil sees it ("" for none, "Com10" for
// the first question).
inline QString domandaAperta(Esercizio& e) {
    if (e.b("Com10")->isVisible()) return QStringLiteral("Com10");
    for (QPushButton* b : bottoniVisibili(e)) {
        const QString n = b->objectName();
        const auto p = n.indexOf(QLatin1Char('('));
        if (p > 0) return n.left(p);
    }
    return {};
}

// Presses the right button of the open question, taking the answer from the
// bank's column for that question; false when no question is open. A press
// that changes nothing (no sound, no counted answer) fails the test.
inline bool premiGiusto(Esercizio& e) {
    if (e.b("VIA")->isVisible()) return false;
    const int s = e.m.nfrase, w = e.m.nparola;
    const QString aperta = domandaAperta(e);
    const auto suoniPrima = e.banco.lettore.suonati.size();
    if (aperta == QLatin1String("Com10")) {
        const int parte = e.m.frasi.chiave(Domanda::parte, s, w);
        clicca(e.b(parte < 6 ? "Com10" : "Com11"));
    } else {
        const int colonna = colonnaDellaDomanda(aperta);
        if (colonna == 0) {
            ADD_FAILURE() << "no question open and VIA hidden; sentence " << s << " word " << w;
            return false;
        }
        const int giusta = e.m.frasi.chiave(colonna, s, w);
        QPushButton* b = e.b(aperta.toLatin1().constData(), giusta);
        if (!b || !b->isVisible()) {
            ADD_FAILURE() << "question " << aperta.toStdString() << " asked of " << s << "/" << w
                          << " whose key there is " << giusta;
            return false;
        }
        clicca(b);
    }
    if (e.banco.lettore.suonati.size() == suoniPrima) {
        ADD_FAILURE() << "a press on " << aperta.toStdString() << " changed nothing at " << s << "/"
                      << w;
        return false;
    }
    return true;
}

// Answers right until the sentence is complete; at most `limite` presses.
inline void finisciFrase(Esercizio& e, int limite = 200) {
    for (int k = 0; k < limite; ++k)
        if (!premiGiusto(e)) return;
    ADD_FAILURE() << "the sentence never completes";
}
