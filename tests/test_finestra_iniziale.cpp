#include "fakes.h"

#include "ui/finestra_iniziale.h"

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

} // namespace
