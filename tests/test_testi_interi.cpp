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
#include "ui/leggibile.h"
#include "ui/posto.h"
#include "ui/pulsante.h"
#include "ui/registro_errori.h"
#include "ui/riquadro.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include <QPointer>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

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
        return Testo{p->testoMostrato(), p->areaTesto(), p->caratterePerTesto(),
                     Qt::AlignCenter | Qt::TextWordWrap};
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        auto* a = qobject_cast<EtichettaAdattata*>(l);
        return Testo{a ? a->testoMostrato() : l->text(), a ? a->areaTesto() : l->contentsRect(),
                     a ? a->caratterePerTesto() : l->font(), flags};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return Testo{b->text(), b->rect().adjusted(4, 2, -4, -2), b->font(), Qt::AlignCenter};
    if (auto* r = qobject_cast<Riquadro*>(w))
        return Testo{r->title(), r->areaTitolo(), r->carattereTitolo(),
                     Qt::AlignLeft | Qt::AlignTop};
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
        // Not under a button or filled box drawn after it: the design lays some
        // answer columns with each button a little over the one above.
        const QRect testo = serve.translated(w->pos());
        if (QWidget* p = w->parentWidget()) {
            const QObjectList& fratelli = p->children();
            for (qsizetype i = fratelli.indexOf(w) + 1; i > 0 && i < fratelli.size(); ++i) {
                auto* f = qobject_cast<QWidget*>(fratelli[i]);
                if (f && !f->isWindow() && f->isVisibleTo(&finestra) &&
                    (qobject_cast<QAbstractButton*>(f) || f->autoFillBackground()) &&
                    f->geometry().intersects(testo))
                    difetto(w, QStringLiteral("\"%1\" is partly under %2").arg(t->testo, nome(f)));
            }
        }
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

void ogniTestoDellEsercizio(bool leggibile) {
    for (QSize s : schermi) {
        const std::string qui = dove(s) + (leggibile ? " high legibility" : "");
        Esercizio e(0, 1, {}, false, leggibile);
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

TEST(TestiInteri, ExerciseWindowWithEveryGroupSentenceAndTrail) {
    ogniTestoDellEsercizio(false);
}

// Larger words and captions, another face: still nothing cut.
TEST(TestiInteri, HighLegibilityExerciseWindowWithEveryGroupSentenceAndTrail) {
    ogniTestoDellEsercizio(true);
}

// The high-legibility look writes no word in capitals only, and changes no
// other letter: a capital in the middle of the sentence would mislead a pupil
// (a proper noun?).
TEST(TestiInteri, HighLegibilityLowersOnlyWordsInCapitals) {
    const std::pair<const char*, const char*> casi[] = {
        {"PARTE VARIABILE", "Parte variabile"},
        {"VIA", "Via"},
        {"questi ", "questi "},
        {"\" è \"", "\" è \""},
        {"Questo", "Questo"},
        {"È", "È"},
        {"prima VARIABILE o INVARIABILE poi...", "prima variabile o invariabile poi..."},
    };
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(leggibile::senzaMaiuscole(QString::fromUtf8(testo)).toStdString(), atteso);
}

double contrasto(QWidget* w, QPalette::ColorRole testo, QPalette::ColorRole sfondo,
                 QWidget* dietro = nullptr, QPalette::ColorGroup g = QPalette::Active) {
    return leggibile::contrasto(w->palette().color(g, testo),
                                (dietro ? dietro : w)->palette().color(g, sfondo));
}

// The word to analyse, every feedback and the disabled first-question captions
// at 4.5:1 or more on whatever stands behind them, in the high-legibility look.
TEST(TestiInteri, HighLegibilityContrastOfTheWordTheFeedbackAndDisabledCaptions) {
    Esercizio e(0, 1, {}, false, true);
    for (const char* n : {"Com10", "Com11"}) {
        ASSERT_FALSE(e.b(n)->isEnabled());
        EXPECT_GE(
            contrasto(e.b(n), QPalette::ButtonText, QPalette::Button, nullptr, QPalette::Disabled),
            4.5)
            << n;
    }
    e.banco.casuale.prossimaFrase(0);
    e.f->estraiFrase();
    std::vector<std::pair<std::string, double>> visti;
    auto guarda = [&](const std::string& cosa) {
        if (!e.b("VIA")->isVisible()) // a word is under analysis
            visti.emplace_back(cosa + " word",
                               contrasto(e.l("Lbmostra", e.m.nparola), QPalette::WindowText,
                                         QPalette::Window, e.f.get()));
        visti.emplace_back(cosa + " notice",
                           contrasto(e.l("AVVISO"), QPalette::WindowText, QPalette::Window));
        if (!e.l("gratifica")->text().isEmpty())
            visti.emplace_back(
                cosa + " feedback \"" + e.l("gratifica")->text().toStdString() + "\"",
                contrasto(e.l("gratifica"), QPalette::WindowText, QPalette::Window, e.f.get()));
    };
    guarda("at start");
    e.banco.pausa.durante = [&] { guarda("during the pause"); };
    ASSERT_TRUE(premiGiusto(e));
    clicca(e.b("Com",
               e.m.frasi.chiave(Domanda::parte, e.m.nfrase, e.m.nparola) == 1 ? 2 : 1)); // wrong
    e.banco.pausa.durante = {};
    guarda("after a wrong answer");
    finisciFrase(e);
    guarda("completed");
    ASSERT_GE(visti.size(), 10u);
    for (const auto& [cosa, c] : visti) EXPECT_GE(c, 4.5) << cosa;
    // Red is still the colour of the word to analyse.
    e.f->estraiFrase();
    const QColor rossa = e.l("Lbmostra", e.m.nparola)->palette().color(QPalette::WindowText);
    EXPECT_GT(rossa.red(), 4 * std::max(rossa.green(), rossa.blue()));
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

std::vector<QSize> ancheIlPiuPiccolo() {
    std::vector<QSize> v(std::begin(schermi), std::end(schermi));
    v.push_back({640, 480}); // or 1280x960 at twice the scale
    return v;
}

// Every answer button of every group, and VIA: where the pupil presses.
std::vector<QWidget*> colonnaRisposte(Esercizio& e) {
    std::vector<QWidget*> v{e.b("Com10"), e.b("Com11"), e.b("VIA")};
    for (const DescrizioneDomanda& d : tutteLeDomande())
        for (int i = 1; i <= static_cast<int>(d.bottoni.size()); ++i)
            v.push_back(e.b(std::string(d.nome).c_str(), i));
    return v;
}

// The font `l` paints with, and how many lines its text takes.
std::pair<double, int> misuraERighe(QLabel* l) {
    const auto t = testoDi(l);
    const QFontMetrics fm(t->carattere, l);
    const int alto = fm.boundingRect(t->area, t->flags | Qt::TextWordWrap, t->testo).height();
    return {t->carattere.pointSizeF(), (alto + fm.lineSpacing() / 2) / fm.lineSpacing()};
}

// Open at every size, the error log shows each name on one line, every name at
// one size and every count at one size; it stays with the exercise window,
// on the screen, and clear of the answer buttons, of the red word and of the
// feedback text through a whole sentence played with it open.
TEST(TestiInteri, ErrorLogReadableAndClearOfAnswersWordAndFeedback) {
    for (QSize s : ancheIlPiuPiccolo()) {
        const std::string qui = dove(s);
        Esercizio e(0);
        e.f->resize(s);
        e.f->move(0, 0);
        e.m.fatta = {};
        e.banco.casuale.prossimaFrase(22, e.m.numfrasi); // a 22-word sentence
        e.f->estraiFrase();
        for (auto& c : e.m.contaerrori) c = 19;
        clicca(e.b("Command8"));
        QPointer<RegistroErrori> log = registroErrori(*e.f);
        ASSERT_NE(log, nullptr);
        NULLA_TAGLIATO(*log, qui);
        // A window of the exercise window, which window managers keep above it.
        EXPECT_EQ(log->parentWidget(), e.f.get());
        EXPECT_TRUE(log->windowType() == Qt::Tool || log->windowType() == Qt::Dialog) << qui;

        std::set<double> nomi, conteggi;
        for (int i = 1; i <= 11; ++i) {
            const auto [punti, righe] =
                misuraERighe(etichetta(*log, "Lberrori" + QString::number(i)));
            nomi.insert(punti);
            EXPECT_EQ(righe, 1) << qui << " row " << i;
            conteggi.insert(misuraERighe(etichetta(*log, elemento("RR", i))).first);
        }
        EXPECT_EQ(nomi.size(), 1u) << qui << ": " << ::testing::PrintToString(nomi);
        EXPECT_EQ(conteggi.size(), 1u) << qui << ": " << ::testing::PrintToString(conteggi);
        // Smaller only where the test screen clips the room (960x768 here).
        EXPECT_GE(*nomi.begin(), s == QSize(800, 600) ? 9.5 : 6.5) << qui;
        EXPECT_GE(*conteggi.begin(), *nomi.begin()) << qui;

        const QRect schermo = e.f->screen()->availableGeometry();
        const QRect dentro = schermo.contains(globale(e.f.get())) ? schermo : globale(e.f.get());
        const QRect r = log->frameGeometry();
        EXPECT_TRUE(dentro.contains(r)) << qui << ": off the screen at " << r.x() << "," << r.y();
        auto scoperto = [&](QWidget* w, const std::string& quando) {
            EXPECT_FALSE(r.intersects(globale(w)))
                << qui << " " << quando << ": the error log covers " << nome(w).toStdString();
        };
        for (QWidget* w : colonnaRisposte(e)) scoperto(w, "");

        // A wrong answer, then the sentence to its end: the feedback of each
        // answer during its pause, the red word of each word, "COMPLETATA".
        int pause = 0;
        e.banco.pausa.durante = [&] {
            ++pause;
            scoperto(e.l("gratifica"), "during pause " + std::to_string(pause));
            scoperto(e.l("Lbmostra", e.m.nparola), "red word");
        };
        clicca(e.b(e.m.frasi.chiave(1, e.m.nfrase, 1) < 6 ? "Com11" : "Com10"));
        EXPECT_EQ(e.l("gratifica")->text(), "") << qui;
        finisciFrase(e);
        EXPECT_GT(pause, 22) << qui;
        ASSERT_FALSE(log.isNull()) << qui << ": answering closed the error log";
        EXPECT_EQ(e.l("gratifica")->text(), "COMPLETATA") << qui;
        scoperto(e.l("gratifica"), "sentence completed");
        log->close();
    }
}

// A sentence of the longest words a teacher may write, at the top, low in the
// slanting column and at its foot, beside VIA: each word stays whole and short
// of the answer column.
TEST(TestiInteri, LongWordsShrinkShortOfTheAnswerColumn) {
    const std::map<int, std::string> lunghe = {{1, "precipitevolissimevolmente,   "},
                                               {19, "avevano mangiato velocemente, "},
                                               {22, "precipitevolissimevolmente!!!"}};
    Frase frase;
    for (int i = 1; i <= 22; ++i) {
        const auto l = lunghe.find(i);
        frase.parole.push_back(
            Parola{l != lunghe.end() ? l->second : "che ", Chiave{static_cast<std::int8_t>(3)}});
    }
    for (QSize s : ancheIlPiuPiccolo()) {
        const std::string qui = dove(s);
        Esercizio e(0, 1, [&](StatoCorsa& m) {
            m.frasi.svuota();
            ASSERT_TRUE(m.frasi.aggiungi(frase));
        });
        e.f->resize(s);
        e.f->estraiFrase();
        NULLA_TAGLIATO(*e.f, qui);
        int colonna = s.width();
        for (QWidget* w : colonnaRisposte(e)) colonna = std::min(colonna, w->geometry().left());
        for (const auto& [riga, testo] : lunghe) {
            QLabel* l = e.l("Lbmostra", riga);
            ASSERT_EQ(l->text().toStdString(), testo);
            EXPECT_LT(l->geometry().right(), colonna)
                << qui << ": row " << riga << " \"" << testo << "\" ends at "
                << l->geometry().right() << ", the answers start at " << colonna;
        }
        // A short word keeps its size.
        EXPECT_EQ(testoDi(e.l("Lbmostra", 2))->carattere.pointSizeF(),
                  e.l("Lbmostra", 2)->font().pointSizeF())
            << qui;
    }
}

// A text too large for its box shrinks until it fits, and no further than it
// must: a caption far smaller than its room is as bad for a pupil as a cut one.
TEST(TestiInteri, ShrunkTextFitsAndIsNoSmallerThanItMustBe) {
    QWidget dispositivo;
    const QFont grande = carattere("Arial", 24, true);
    const int capo = Qt::AlignCenter | Qt::TextWordWrap;
    const std::tuple<QString, QRect, int> casi[] = {
        {"precipitevolissimevolmente", QRect(0, 0, 120, 40), Qt::AlignCenter},
        {"analisi completa", QRect(5, 5, 110, 70), capo},
        {"Scegli se desideri fare un'analisi comprendente tutte le parti del discorso o solo "
         "gli aggettivi.",
         QRect(0, 0, 400, 60), Qt::AlignLeft | Qt::TextWordWrap},
    };
    auto entra = [&](const QFont& f, const QRect& area, int flags, const QString& t) {
        return area.contains(QFontMetrics(f, &dispositivo).boundingRect(area, flags, t));
    };
    for (const auto& [testo, area, flags] : casi) {
        const QFont f = carattereCheEntra(grande, area, flags, testo, &dispositivo);
        EXPECT_LT(f.pointSizeF(), grande.pointSizeF()) << testo.toStdString();
        EXPECT_TRUE(entra(f, area, flags, testo)) << testo.toStdString();
        QFont piu = f;
        piu.setPointSizeF(f.pointSizeF() * 1.08);
        EXPECT_FALSE(entra(piu, area, flags, testo))
            << testo.toStdString() << ": " << f.pointSizeF() << " pt, room for more";
    }
}

// The bottom bar's captions stand inside their frames, clear of the border and
// of the figure below them, and no smaller than that figure.
// A text gives up the band a box drawn after it hides, on the side it comes
// in from; boxes drawn before it, hidden or see-through ones do not count.
TEST(TestiInteri, TextRoomLeavesOutWhatLaterBoxesHide) {
    enum Tipo { pulsante, pieno, trasparente };
    const struct {
        const char* caso;
        QRect altro; // in the parent; the text's own box is 10,10 100x40
        Tipo tipo;
        bool dopo, nascosto;
        QRect resta; // in the text's box
    } casi[] = {
        {"button over the bottom", {10, 45, 100, 40}, pulsante, true, false, {0, 0, 100, 35}},
        {"button over the right", {90, 0, 40, 80}, pulsante, true, false, {0, 0, 80, 40}},
        {"filled box over the bottom", {10, 45, 100, 40}, pieno, true, false, {0, 0, 100, 35}},
        {"corner, bottom the smaller loss",
         {90, 45, 40, 40},
         pulsante,
         true,
         false,
         {0, 0, 100, 35}},
        {"drawn before", {10, 45, 100, 40}, pulsante, false, false, {0, 0, 100, 40}},
        {"hidden", {10, 45, 100, 40}, pulsante, true, true, {0, 0, 100, 40}},
        {"see-through", {10, 45, 100, 40}, trasparente, true, false, {0, 0, 100, 40}},
    };
    for (const auto& c : casi) {
        QWidget padre;
        padre.resize(200, 200);
        auto fai = [&] {
            QWidget* w = c.tipo == pulsante ? static_cast<QWidget*>(new QPushButton(&padre))
                                            : new QLabel(&padre);
            w->setAutoFillBackground(c.tipo == pieno);
            w->setGeometry(c.altro);
            w->setHidden(c.nascosto);
            return w;
        };
        if (!c.dopo) fai();
        auto* testo = new QLabel(&padre);
        testo->setGeometry(10, 10, 100, 40);
        if (c.dopo) fai();
        EXPECT_EQ(areaScoperta(testo, testo->rect()), c.resta) << c.caso;
    }
}

TEST(TestiInteri, BarCaptionsPaddedAndAsLargeAsTheirFigures) {
    const std::pair<const char*, const char*> riquadri[] = {
        {"Frame1", "Lrisposte"}, {"Frame2", "Lerrori"}, {"Frame3", "Lpercentuale"}};
    for (QSize s : ancheIlPiuPiccolo()) {
        const std::string qui = dove(s);
        Esercizio e(0);
        e.f->resize(s);
        for (const auto& [r, c] : riquadri) {
            auto* f = e.f->findChild<Riquadro*>(QString::fromLatin1(r));
            ASSERT_NE(f, nullptr) << r;
            QLabel* n = e.l(c);
            n->setText(QStringLiteral("100"));
            const auto titolo = testoDi(f);
            const auto cifra = testoDi(n);
            const QRect scritto = QFontMetrics(titolo->carattere, f)
                                      .boundingRect(titolo->area, titolo->flags, titolo->testo);
            const QRect numero = QFontMetrics(cifra->carattere, n)
                                     .boundingRect(cifra->area, cifra->flags, cifra->testo)
                                     .translated(n->pos());
            EXPECT_TRUE(f->rect().adjusted(3, 3, -3, -3).contains(scritto))
                << qui << " " << r << ": caption at " << scritto.x() << "," << scritto.y() << " "
                << scritto.width() << "x" << scritto.height() << " in " << f->width() << "x"
                << f->height();
            EXPECT_FALSE(scritto.intersects(numero)) << qui << " " << r;
            EXPECT_GE(QFontInfo(titolo->carattere).pixelSize(),
                      QFontInfo(cifra->carattere).pixelSize())
                << qui << " " << r << ": " << titolo->carattere.pointSizeF() << " pt against "
                << cifra->carattere.pointSizeF() << " (" << f->font().pointSizeF() << ", "
                << n->font().pointSizeF() << ")";
        }
    }
}

TEST(TestiInteri, TheRoomScalesTheWindowFrameIncludedToItsTopRightCorner) {
    // Room, factor, frame: the narrower side of the room decides.
    const std::tuple<QRect, double, QRect> casi[] = {
        {QRect(100, 50, 158, 428), 0.75, QRect(100, 50, 158, 403)},
        {QRect(100, 50, 408, 2000), 2, QRect(100, 50, 408, 1028)},
        {QRect(100, 50, 1000, 1028), 2, QRect(692, 50, 408, 1028)}};
    for (const auto& [libero, scala, posto] : casi) {
        const Posto p = postoNelLibero({200, 500}, QMargins(4, 24, 4, 4), libero);
        EXPECT_DOUBLE_EQ(p.scala, scala);
        EXPECT_EQ(p.cornice, posto);
    }
}

} // namespace
