#include "fakes.h"

#include "ui/adatta_finestra.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Finestra {
    Finestra() {
        w.resize(400, 300);
        a = new QPushButton(QStringLiteral("a"), &w);
        a->setGeometry(10, 20, 100, 40);
        QFont f = a->font();
        f.setPointSizeF(12);
        a->setFont(f);
        b = new QLabel(QStringLiteral("b"), &w);
        b->setGeometry(200, 150, 50, 30);
        f.setPointSizeF(9);
        b->setFont(f);
        r.preparatabelle(3);
        r.impostaFinestra(&w);
        r.registra(1, a);
        r.registra(2, b);
        r.registra(3, a); // twice, as the exercise window does
    }
    void ridimensiona(int larghezza, int altezza) {
        w.resize(larghezza, altezza);
        r.ridimensiona();
    }
    QWidget w;
    QPushButton* a;
    QLabel* b;
    AdattaFinestra r;
};

TEST(AdattaFinestra, ScalesFromTheRecordedDesignWithoutDrift) {
    Finestra f;
    f.ridimensiona(1000, 1000); // before recording: nothing happens
    EXPECT_EQ(f.a->geometry(), QRect(10, 20, 100, 40));
    f.ridimensiona(400, 300);
    f.r.adattaschermo();
    EXPECT_EQ(f.r.registrato(1), QRectF(10, 20, 100, 40));
    EXPECT_EQ(f.r.registrato(0), QRectF());
    EXPECT_EQ(f.r.comando(0), nullptr);

    f.ridimensiona(800, 600);
    EXPECT_EQ(f.a->geometry(), QRect(20, 40, 200, 80));
    EXPECT_EQ(f.b->geometry(), QRect(400, 300, 100, 60));
    EXPECT_DOUBLE_EQ(f.a->font().pointSizeF(), 24);
    EXPECT_DOUBLE_EQ(f.b->font().pointSizeF(), 18);

    f.ridimensiona(800, 300); // wider only: positions and widths stretch
    EXPECT_EQ(f.a->geometry(), QRect(20, 20, 200, 40));
    EXPECT_DOUBLE_EQ(f.a->font().pointSizeF(), 12);

    for (int i = 0; i < 50; ++i) f.ridimensiona(401 + 7 * i, 301 + 3 * i);
    f.ridimensiona(400, 300);
    EXPECT_EQ(f.a->geometry(), QRect(10, 20, 100, 40));
    EXPECT_EQ(f.b->geometry(), QRect(200, 150, 50, 30));
    EXPECT_DOUBLE_EQ(f.b->font().pointSizeF(), 9);
}

// A label that sizes itself to its text (a word of the sentence) is widened to
// its text when the font grows faster than the width; other controls are not.
TEST(AdattaFinestra, SelfSizingLabelsAreNeverCutShort) {
    Finestra f;
    f.b->setText(QStringLiteral("dovranno essere rinnovati."));
    f.b->setProperty("autosize", true);
    f.r.adattaschermo();
    f.ridimensiona(400, 900); // the font triples, the width stays
    EXPECT_GE(f.b->width(), f.b->sizeHint().width());
    EXPECT_GT(f.b->width(), 50);
    f.a->setText(QStringLiteral("dovranno essere rinnovati."));
    f.ridimensiona(400, 901);
    EXPECT_EQ(f.a->width(), 100);
}

TEST(AdattaFinestra, AMinimizedWindowIsLeftAlone) {
    Finestra f;
    f.r.adattaschermo();
    f.ridimensiona(400, 300);
    f.w.setWindowState(Qt::WindowMinimized);
    f.ridimensiona(40, 30);
    EXPECT_EQ(f.a->geometry(), QRect(10, 20, 100, 40));
}

TEST(AdattaFinestra, TheExerciseWindowScalesItsNinetyFiveControls) {
    Esercizio e;
    e.f->resize(825, 596);
    QPushButton* com10 = e.b("Com10");
    const QRect prima = com10->geometry();
    const double punti = com10->font().pointSizeF();
    e.f->resize(1650, 1192);
    EXPECT_EQ(com10->geometry(),
              QRect(prima.x() * 2, prima.y() * 2, prima.width() * 2, prima.height() * 2));
    EXPECT_DOUBLE_EQ(com10->font().pointSizeF(), punti * 2);
    // Registered twice: the same as once.
    EXPECT_EQ(e.b("art", 1)->geometry().width(), e.b("Com", 1)->geometry().width());
    e.f->resize(825, 596);
    EXPECT_EQ(com10->geometry(), prima);
}

} // namespace
