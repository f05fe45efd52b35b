// A seeded random pupil presses visible, enabled buttons for many thousands of
// presses and checks after each one that the run state still adds up.
#include "pupil.h"

#include "ui/registro_errori.h"

#include <QCoreApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <random>

namespace {

int pressioni() {
    if (const char* n = std::getenv("AGGETTIVI_PRESSIONI")) return std::max(1, std::atoi(n));
#if defined(__SANITIZE_ADDRESS__)
    return 20000;
#else
    return 100000;
#endif
}

void pupilloCasuale(int modo, std::uint64_t seme) {
    Esercizio e(modo, seme);
    std::mt19937_64 caso(seme);
    int erroriTotali = 0;
    // The result window: PROSEGUI most of the time, sometimes just closed.
    e.banco.modale.risposta = [&](QDialog& d) {
        if (caso() % 4 == 0)
            d.reject();
        else
            d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    };
    const int n = pressioni();
    std::string ultimo;
    for (int p = 0; p < n; ++p) {
        // Without an event loop, deferred deletions and repaints would pile up
        // and slow every later press: let them through now and then.
        if (p % 64 == 0) QCoreApplication::processEvents();
        std::vector<QPushButton*> premibili;
        for (QPushButton* b : e.f->findChildren<QPushButton*>())
            if (b->isVisible() && b->isEnabled() && b->objectName() != QLatin1String("FINE"))
                premibili.push_back(b);
        ASSERT_FALSE(premibili.empty()) << "seed " << seme << " press " << p << " after " << ultimo;
        QPushButton* b = premibili[caso() % premibili.size()];
        ultimo = b->objectName().toStdString();
        e.banco.lettore.suonati.clear();
        b->click();
        // Every wrong answer, and only a wrong answer, buzzes.
        for (const std::string& s : e.banco.lettore.suonati) erroriTotali += s == "sbagliato1";

        SCOPED_TRACE(testing::Message() << "seed " << seme << " press " << p << " " << ultimo);
        ASSERT_LE(e.m.nerrori, e.m.nrisposte);
        int somma = 0;
        for (const Valore& v : e.m.contaerrori) somma += v.intero();
        ASSERT_EQ(somma, erroriTotali);
        if (e.m.nrisposte > 0) {
            ASSERT_EQ(e.l("Lrisposte")->text().toInt(), e.m.nrisposte);
            ASSERT_EQ(e.l("Lerrori")->text().toInt(), e.m.nerrori);
        }
        // Exactly one question open, or VIA.
        int aperte = e.b("VIA")->isVisible() ? 1 : 0;
        if (e.b("Com10")->isVisible() || e.b("Com11")->isVisible()) ++aperte;
        for (const DescrizioneDomanda& d : tutteLeDomande()) {
            const QString nome = qs(d.nome);
            int visibili = 0;
            for (int i = 1; i <= static_cast<int>(d.bottoni.size()); ++i)
                if (e.b(nome.toLatin1().constData(), i)->isVisible()) ++visibili;
            if (visibili > 0) ++aperte;
        }
        ASSERT_EQ(aperte, 1);
        ASSERT_GE(e.m.nfrase, 0);
        ASSERT_LE(e.m.nfrase, 29);
        ASSERT_GE(e.m.nparola, 0);
        ASSERT_LE(e.m.nparola, 23);
    }
}

TEST(PupilloCasuale, EveryWordMode) {
    pupilloCasuale(0, 20261208);
}
TEST(PupilloCasuale, AdjectivesOnlyMode) {
    pupilloCasuale(1, 77);
}

} // namespace
