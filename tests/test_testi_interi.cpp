// No visible text is cut: every caption fits its control (wrapped as the
// control wraps it), every control with text lies inside its window, and every
// word of the sentence stays above the blue bar. Run at the screen sizes
// pupils use, and again with only the DejaVu fonts installed.

#include "pupil.h"

#include "core/incorporate.h"
#include "ui/etichetta.h"
#include "ui/finestra_iniziale.h"
#include "ui/finestra_risultato.h"
#include "ui/finestra_scrittura.h"
#include "ui/posto.h"
#include "ui/pulsante.h"
#include "ui/registro_errori.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const QSize schermi[] = {{800, 600},  {1024, 768},  {1280, 1024},
                         {1366, 768}, {1920, 1080}, {960, 768}};

std::string dove(QSize s) {
    return std::to_string(s.width()) + "x" + std::to_string(s.height());
}

QString nome(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

struct Testo {
    QString testo;
    QRect area;
    QFont carattere;
    int flags = 0;
};

// What a control paints, where and with which font; nothing for controls
// without a caption.
std::optional<Testo> testoDi(QWidget* w) {
    if (auto* p = qobject_cast<Pulsante*>(w))
        return Testo{p->text(), p->areaTesto(), p->caratterePerTesto(),
                     Qt::AlignCenter | Qt::TextWordWrap};
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QFont f = qobject_cast<EtichettaAdattata*>(l)
                            ? static_cast<EtichettaAdattata*>(l)->caratterePerTesto()
                            : l->font();
        return Testo{l->text(), l->contentsRect(), f, flags};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return Testo{b->text(), b->rect().adjusted(4, 2, -4, -2), b->font(), Qt::AlignCenter};
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect etichetta =
            g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        return Testo{g->title(), etichetta.intersected(g->rect()), g->font(), Qt::AlignLeft};
    }
    return std::nullopt;
}

// Everything cut or sticking out in the top-level window `finestra`.
std::vector<std::string> tagliati(QWidget& finestra) {
    std::vector<std::string> difetti;
    auto difetto = [&](QWidget* w, const QString& cosa) {
        difetti.push_back(
            (nome(&finestra) + QLatin1Char('/') + nome(w) + QStringLiteral(": ") + cosa)
                .toStdString());
    };
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&finestra)) continue;
        const auto t = testoDi(w);
        if (!t || t->testo.trimmed().isEmpty()) continue;
        const QRect serve = QFontMetrics(t->carattere, w).boundingRect(t->area, t->flags, t->testo);
        if (!t->area.contains(serve))
            difetto(w, QStringLiteral("\"%1\" needs %2x%3 at %4 pt, has %5x%6")
                           .arg(t->testo)
                           .arg(serve.width())
                           .arg(serve.height())
                           .arg(t->carattere.pointSizeF())
                           .arg(t->area.width())
                           .arg(t->area.height()));
        // Inside every parent up to the window: a parent clips what sticks out.
        for (QWidget* a = w; a != &finestra && a->parentWidget(); a = a->parentWidget()) {
            QWidget* p = a->parentWidget();
            const QRect r(w->mapTo(p, QPoint(0, 0)), w->size());
            if (!p->rect().contains(r))
                difetto(w, QStringLiteral("\"%1\" at %2,%3 %4x%5 sticks out of %6 (%7x%8)")
                               .arg(t->testo)
                               .arg(r.x())
                               .arg(r.y())
                               .arg(r.width())
                               .arg(r.height())
                               .arg(nome(p))
                               .arg(p->width())
                               .arg(p->height()));
        }
    }
    return difetti;
}

// The words of the sentence stand above the blue bar.
std::vector<std::string> paroleSottoLaBarra(Esercizio& e) {
    std::vector<std::string> difetti;
    const int barra = e.f->findChild<QWidget*>(QStringLiteral("Frame5"))->geometry().top();
    for (int i = 1; i <= 22; ++i) {
        QLabel* l = e.l("Lbmostra", i);
        if (!l->isVisible() || l->text().trimmed().isEmpty()) continue;
        if (l->geometry().bottom() >= barra)
            difetti.push_back("Lbmostra(" + std::to_string(i) + ") \"" + l->text().toStdString() +
                              "\" ends at " + std::to_string(l->geometry().bottom()) +
                              ", the bar starts at " + std::to_string(barra));
    }
    return difetti;
}

#define NULLA_TAGLIATO(finestra, quando)                                                           \
    do {                                                                                           \
        const auto difetti_ = tagliati(finestra);                                                  \
        EXPECT_TRUE(difetti_.empty()) << quando << ":\n  " << ::testing::PrintToString(difetti_);  \
    } while (0)

void mostraSolo(Esercizio& e, const std::vector<QPushButton*>& gruppo) {
    for (QPushButton* b : bottoniVisibili(e)) b->hide();
    for (QPushButton* b : gruppo) b->show();
}

bool soloDejaVu() {
    return qEnvironmentVariable("FONTCONFIG_FILE").contains(QLatin1String("solo-dejavu"));
}

QString faccia(const QFont& f) {
    return QFontInfo(f).family();
}

TEST(TestiInteri, MissingDesignFacesGiveWayToTheClosestInWidth) {
    const QStringList famiglie = QFontDatabase::families();
    if (soloDejaVu()) {
        ASSERT_FALSE(famiglie.contains(QStringLiteral("Liberation Sans")));
        EXPECT_EQ(faccia(carattere("Arial", 12, true)), "DejaVu Sans");
        EXPECT_EQ(faccia(carattere("MS Sans Serif", 24, true)), "DejaVu Sans");
        EXPECT_EQ(faccia(carattere("Bookman Old Style", 16, false, QFont::Serif)), "DejaVu Serif");
    } else {
        ASSERT_TRUE(famiglie.contains(QStringLiteral("Liberation Sans")));
        EXPECT_EQ(faccia(carattere("Arial", 12, true)), "Liberation Sans");
        // Not the wide bold face the system would pick for a name it does not know.
        EXPECT_EQ(faccia(carattere("MS Sans Serif", 24, true)), "Liberation Sans");
        // A serif face: URW's twin of Bookman where installed, else a Serif.
        const QString bookman = faccia(carattere("Bookman Old Style", 16, false, QFont::Serif));
        EXPECT_TRUE(bookman.startsWith("URW Bookman") || bookman.contains("Serif"))
            << bookman.toStdString();
    }
}

TEST(TestiInteri, StartWindow) {
    for (QSize s : schermi) {
        StatoCorsa m;
        Banco banco;
        FinestraIniziale w(m, banco.servizi(), [] {});
        w.show();
        w.resize(s);
        NULLA_TAGLIATO(w, dove(s));
    }
}

TEST(TestiInteri, ExerciseWindowWithEveryGroupSentenceAndTrail) {
    for (QSize s : schermi) {
        const std::string qui = dove(s);
        Esercizio e(0);
        e.f->resize(s);
        NULLA_TAGLIATO(*e.f, qui + " at start");

        // Every sentence of the bank, each word in its label.
        const int n = std::min(e.m.frasi.numeroFrasi(), e.m.numfrasi);
        for (int f = 0; f < n; ++f) {
            e.m.fatta = {};
            e.banco.casuale.prossimaFrase(f, e.m.numfrasi);
            e.f->estraiFrase();
            ASSERT_EQ(e.m.nfrase, f);
            NULLA_TAGLIATO(*e.f, qui + " sentence " + std::to_string(f));
            const auto sotto = paroleSottoLaBarra(e);
            EXPECT_TRUE(sotto.empty()) << qui << ": " << ::testing::PrintToString(sotto);
        }

        // Every answer group in turn.
        mostraSolo(e, {e.b("Com10"), e.b("Com11")});
        NULLA_TAGLIATO(*e.f, qui + " first question");
        for (const DescrizioneDomanda& d : tutteLeDomande()) {
            std::vector<QPushButton*> gruppo;
            for (int i = 1; i <= static_cast<int>(d.bottoni.size()); ++i)
                gruppo.push_back(e.b(std::string(d.nome).c_str(), i));
            mostraSolo(e, gruppo);
            NULLA_TAGLIATO(*e.f, qui + " group " + std::string(d.nome));
        }

        // The whole trail, each text of the tree in every label.
        std::vector<std::string_view> tracce{variabile.traccia, invariabile.traccia};
        for (const DescrizioneDomanda& d : tutteLeDomande())
            for (const Bottone& b : d.bottoni) tracce.push_back(b.traccia);
        for (std::string_view t : tracce) {
            for (int i = 1; i <= 10; ++i) {
                e.l("display", i)->setText(qs(t));
                e.l("display", i)->show();
            }
            NULLA_TAGLIATO(*e.f, qui + " trail \"" + std::string(t) + "\"");
        }
        for (int i = 1; i <= 10; ++i) e.l("display", i)->hide();

        // Feedback during the pause, then a whole sentence to its end.
        e.m.fatta = {};
        e.banco.casuale.prossimaFrase(0, e.m.numfrasi);
        e.f->estraiFrase();
        bool vista = false;
        e.banco.pausa.durante = [&] {
            if (vista) return;
            vista = true;
            NULLA_TAGLIATO(*e.f, qui + " during the pause");
        };
        for (int k = 0; k < 400 && premiGiusto(e); ++k) {
        }
        ASSERT_TRUE(e.b("VIA")->isVisible()) << qui;
        NULLA_TAGLIATO(*e.f, qui + " sentence completed");
    }
}

// The writing window with the longest words, every question it can open, and
// its longest message.
TEST(TestiInteri, WritingWindow) {
    const Frase& lunga = frasiIncorporate()[7];
    std::string detta;
    for (const Parola& p : lunga.parole) detta += p.testo + ' ';
    for (QSize s : schermi) {
        const std::string qui = dove(s);
        Banco banco;
        FakeArchivio archivio;
        FinestraScrittura w(QStringLiteral("/nonexistent/x.txt"), banco.servizi(), archivio);
        w.show();
        w.resize(s);
        auto b = [&](const char* nome) { return bottone(w, QString::fromLatin1(nome)); };
        auto premi = [&](const char* array, int i) { bottone(w, elemento(array, i))->click(); };
        w.findChild<QLineEdit*>(QStringLiteral("testoFrase"))
            ->setText(QString::fromStdString(detta + detta)); // too many words: the long message
        w.dividiFrase();
        NULLA_TAGLIATO(w, qui + " too many words");
        w.findChild<QLineEdit*>(QStringLiteral("testoFrase"))
            ->setText(QString::fromStdString(detta));
        w.dividiFrase();
        NULLA_TAGLIATO(w, qui + " first question");
        b("Com10")->click();
        NULLA_TAGLIATO(w, qui + " parts");
        premi("Com", 3);
        NULLA_TAGLIATO(w, qui + " kind");
        premi("art", 1);
        NULLA_TAGLIATO(w, qui + " degree");
        for (int g : {2, 3}) {
            premi("pcf", g);
            NULLA_TAGLIATO(w, qui + " degree " + std::to_string(g));
            w.tornaIndietro();
        }
        w.tornaIndietro();
        premi("art", 2);
        NULLA_TAGLIATO(w, qui + " determinative");
        premi("det", 1);
        NULLA_TAGLIATO(w, qui + " person");
        w.tornaIndietro();
        premi("det", 4);
        premi("numerale", 1);
        NULLA_TAGLIATO(w, qui + " optional gender");
        premi("Masfem", 1);
        NULLA_TAGLIATO(w, qui + " number");
        premi("Singplu", 1);
        w.scegliGruppo(1);
        NULLA_TAGLIATO(w, qui + " a finished word");
        EXPECT_FALSE(w.salvaFrase());
        NULLA_TAGLIATO(w, qui + " not all classified");
    }
}

TEST(TestiInteri, ResultWindowAtEveryLevel) {
    for (int livello = 1; livello <= 6; ++livello) {
        StatoCorsa m;
        Sessione sessione(m);
        Banco banco;
        m.record = 200;
        m.nottimo = m.ndistinto = m.nbuono = m.nsufficiente = m.noccorre = 9;
        banco.orologio.t = m.iniziotest.reale() + 88.8;
        bool record = false;
        if (livello <= 5) {
            m.nerrori = 5 - livello; // the errors that give this level
            record = sessione.chiudiSerie(banco.orologio.t).nuovoRecord;
        } else {
            sessione.soloClassifica();
        }
        FinestraRisultato w(sessione, banco.servizi(), nullptr, record);
        w.show();
        NULLA_TAGLIATO(w, "level " + std::to_string(livello));
        // The level names end at one edge, just left of their dots.
        std::set<int> destre;
        for (const char* n : {"LbOttimo", "LbDistinto", "LbBuono", "LbSufficiente", "LbOccorre"})
            destre.insert(etichetta(w, n)->geometry().right());
        EXPECT_EQ(destre.size(), 1u) << ::testing::PrintToString(destre);
        EXPECT_LT(*destre.rbegin(), w.findChild<QWidget*>(QStringLiteral("ShOttimo(1)"))->x());
    }
}

QRect globale(QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// What the error log must leave in sight: every answer button of every group,
// the trail, the words and VIA.
std::vector<QWidget*> daLasciareInVista(Esercizio& e) {
    std::vector<QWidget*> v{e.b("Com10"), e.b("Com11"), e.b("VIA")};
    for (const DescrizioneDomanda& d : tutteLeDomande())
        for (int i = 1; i <= static_cast<int>(d.bottoni.size()); ++i)
            v.push_back(e.b(std::string(d.nome).c_str(), i));
    for (int i = 1; i <= 10; ++i) v.push_back(e.l("display", i));
    for (int i = 1; i <= 22; ++i) v.push_back(e.l("Lbmostra", i));
    return v;
}

TEST(TestiInteri, ErrorLogWholeBesideTheAnswersAndOnTheScreen) {
    std::vector<QSize> misure(std::begin(schermi), std::end(schermi));
    misure.push_back({640, 480}); // or 1280x1024 at twice the scale
    for (QSize s : misure) {
        const std::string qui = dove(s);
        Esercizio e(0);
        e.f->resize(s);
        e.f->move(0, 0);
        e.m.fatta = {};
        e.banco.casuale.prossimaFrase(22, e.m.numfrasi); // a 22-word sentence
        e.f->estraiFrase();
        for (auto& c : e.m.contaerrori) c = 19;
        clicca(e.b("Command8"));
        RegistroErrori* log = registroErrori(*e.f);
        ASSERT_NE(log, nullptr);
        NULLA_TAGLIATO(*log, qui);

        const QRect r = log->frameGeometry();
        for (QWidget* w : daLasciareInVista(e))
            EXPECT_FALSE(r.intersects(globale(w)))
                << qui << ": the error log " << r.x() << "," << r.y() << " " << r.width() << "x"
                << r.height() << " covers " << nome(w).toStdString();
        const QRect schermo = e.f->screen()->availableGeometry();
        const QRect dentro = schermo.contains(globale(e.f.get())) ? schermo : globale(e.f.get());
        EXPECT_TRUE(dentro.contains(r))
            << qui << ": the error log is off the screen at " << r.x() << "," << r.y();
        // Never so small that a pupil cannot read it.
        EXPECT_GE(etichetta(*log, "Lberrori3")->font().pointSizeF(), 6.5) << qui;
        log->close();
    }
}

TEST(TestiInteri, ARoomSmallerThanTheWindowShrinksItFrameIncluded) {
    const QMargins cornice(4, 24, 4, 4);
    Posto p = postoNelLibero({200, 500}, cornice, QRect(100, 50, 300, 700));
    EXPECT_DOUBLE_EQ(p.scala, 1);
    EXPECT_EQ(p.cornice, QRect(100, 50, 208, 528));
    p = postoNelLibero({200, 500}, cornice, QRect(100, 50, 158, 428));
    EXPECT_DOUBLE_EQ(p.scala, 0.75);
    EXPECT_TRUE(QRect(100, 50, 158, 428).contains(p.cornice));
    EXPECT_EQ(p.cornice.size(), QSize(158, 403));
}

} // namespace
