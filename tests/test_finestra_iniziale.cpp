#include "fakes.h"

#include "qt/servizi_qt.h"
#include "ui/finestra_iniziale.h"

#include <QCheckBox>
#include <QLabel>

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Avvio {
    Avvio() {
        f = new FinestraIniziale(m, banco.servizi(), [this] { ++aperture; });
        f->show();
    }
    ~Avvio() { delete f.data(); }
    StatoCorsa m;
    Banco banco;
    QPointer<FinestraIniziale> f;
    int aperture = 0;
};

TEST(FinestraIniziale, FourWaysOutEachOpeningTheExerciseOnce) {
    {
        Avvio a;
        EXPECT_EQ(a.banco.lettore.suonati, std::vector<std::string>{"conga"});
        QTest::mouseClick(bottone(*a.f, "Command1"), Qt::LeftButton);
        EXPECT_TRUE(a.m.modo == Modo::ogniParola);
        EXPECT_TRUE(a.m.modo.has_value());
        EXPECT_EQ(a.aperture, 1);
        EXPECT_FALSE(a.f->isVisible());
        a.f->apriPerTempo(); // a late tick opens nothing more
        a.f->apriConClic();
        EXPECT_EQ(a.aperture, 1);
    }
    {
        Avvio a;
        QTest::mouseClick(bottone(*a.f, "Command2"), Qt::LeftButton);
        EXPECT_TRUE(a.m.modo == Modo::soloAggettivi);
        EXPECT_EQ(a.aperture, 1);
    }
    {
        Avvio a;
        QTest::mouseClick(a.f.data(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(a.m.modo.has_value());
        EXPECT_EQ(a.aperture, 1);
    }
    {
        Avvio a;
        auto* timer = a.f->findChild<QTimer*>(QStringLiteral("Timer1"));
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 10000);
        a.f->apriPerTempo();
        EXPECT_FALSE(a.m.modo.has_value());
        EXPECT_EQ(a.aperture, 1);
        EXPECT_FALSE(timer->isActive());
    }
}

TEST(FinestraIniziale, RegistersItsEightControls) {
    Avvio a;
    const auto& r = a.f->scala();
    EXPECT_EQ(r.numcomandi(), 8);
    const char* nomi[] = {"Label1", "Label2", "Label5",   "Label4",
                          "Label6", "Label3", "Command1", "Command2"};
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(r.comando(i)->objectName(), nomi[i - 1]);
    EXPECT_EQ(r.comando(0), nullptr);
    EXPECT_EQ(bottone(*a.f, "Command1")->text(), "analisi completa");
    EXPECT_EQ(bottone(*a.f, "Command2")->text(), "solo aggettivi");
}

// The two toggles answer the keyboard; the voice's absence is said once.
TEST(FinestraIniziale, TogglesByKeyboardAndTheMissingVoiceSaidOnce) {
    Avvio a;
    a.f->impostaOpzioni(false, true);
    std::vector<std::pair<bool, bool>> scelte;
    a.f->opzioniCambiate = [&](bool v, bool l) { scelte.emplace_back(v, l); };
    auto* voce = a.f->findChild<QCheckBox*>(QStringLiteral("Voce"));
    auto* leggibile = a.f->findChild<QCheckBox*>(QStringLiteral("Leggibile"));
    ASSERT_TRUE(voce && leggibile);
    EXPECT_FALSE(voce->isChecked());
    EXPECT_TRUE(leggibile->isChecked());
    QTest::keyClick(voce, Qt::Key_Space);
    QTest::keyClick(leggibile, Qt::Key_Space);
    for (QCheckBox* c : {voce, leggibile}) EXPECT_TRUE(c->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(scelte, (std::vector<std::pair<bool, bool>>{{true, true}, {true, false}}));
    EXPECT_EQ(a.aperture, 0); // a toggle does not start the drill

    // A voice whose module is missing reports it once, and says nothing.
    VoceQt muta({QStringLiteral("/nonexistent/libaggettivi_voce.so")});
    int volte = 0;
    muta.quandoGuasta = [&](const QString& perche) {
        ++volte;
        a.f->voceNonDisponibile(perche);
    };
    muta.leggi({"Questo"});
    muta.carica();
    muta.carica();
    muta.leggi({"Questo"});
    EXPECT_EQ(volte, 1);
    EXPECT_TRUE(muta.guasta());
    auto* avviso = a.f->findChild<QLabel*>(QStringLiteral("AvvisoVoce"));
    ASSERT_TRUE(avviso && avviso->isVisible());
    const QString detto = avviso->text();
    a.f->voceNonDisponibile(QStringLiteral("altro"));
    EXPECT_EQ(avviso->text(), detto);
    EXPECT_TRUE(detto.startsWith(QStringLiteral("La voce non è disponibile")))
        << detto.toStdString();
}

} // namespace
