// The voice proper, in a module of its own: Qt TextToSpeech and the speech
// service behind it are loaded only for a pupil who asked for the voice.
#include "core/servizi.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QString>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using Guasto = void (*)(void* chi, const char* perche);

bool diagnosi() {
    return qEnvironmentVariableIsSet("AGGETTIVI_DIAGNOSI_VOCE");
}

// Lives in a thread of its own: a speech service that hangs (it happens with
// a stuck speech-dispatcher) must never freeze the windows.
class Parlatore : public QObject {
public:
    std::function<void(const QString&)> guasto; // called in this thread
    std::function<void()> pronta;               // the silent word was said: it speaks

    void avvia() {
        const QStringList motori = QTextToSpeech::availableEngines();
        if (motori.isEmpty()) return guasto(QStringLiteral("nessun motore di sintesi vocale"));
        // speech-dispatcher first: it carries the Italian voices of espeak-ng.
        const QString motore =
            motori.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : motori.first();
        parla = new QTextToSpeech(motore, this);
        if (parla->state() == QTextToSpeech::Error) return guasto(parla->errorString());
        const auto locali = parla->availableLocales();
        const auto italiano = std::find_if(locali.begin(), locali.end(), [](const QLocale& l) {
            return l.language() == QLocale::Italian;
        });
        if (italiano == locali.end()) return guasto(QStringLiteral("nessuna voce italiana"));
        parla->setLocale(*italiano);
        if (diagnosi())
            std::fprintf(stderr, "voce: motore %s, lingua %s\n", qPrintable(motore),
                         qPrintable(italiano->name()));
        connect(parla, &QTextToSpeech::errorOccurred, this,
                [this](QTextToSpeech::ErrorReason, const QString& testo) { guasto(testo); });
        connect(parla, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State s) {
            if (diagnosi()) std::fprintf(stderr, "voce: stato %d\n", int(s));
            if (s == QTextToSpeech::Ready && prova) {
                fineProva();
                pronta();
            }
        });
        // A service without a sound device takes the text, starts, and never
        // ends: a silent word tells.
        prova = true;
        volume = parla->volume();
        parla->setVolume(0);
        parla->say(QStringLiteral("a"));
    }

    void leggi(const QString& detto) {
        if (!parla) return;
        if (prova) { // read before the silent word ended: the pupil hears it or not
            fineProva();
            pronta();
        }
        if (parla->state() == QTextToSpeech::Speaking) parla->stop();
        if (!detto.isEmpty()) parla->say(detto);
    }

private:
    void fineProva() {
        prova = false;
        parla->stop();
        parla->setVolume(volume);
    }

    QTextToSpeech* parla = nullptr;
    bool prova = false;
    double volume = 1;
};

class VoceParlante final : public Voce {
public:
    VoceParlante(Guasto g, void* c) : guasto(g), chi(c), ponte(new QObject) {
        filo->setObjectName(QStringLiteral("voce"));
        parlatore->moveToThread(filo);
        QObject::connect(filo, &QThread::finished, parlatore, &QObject::deleteLater);
        QPointer<QObject> p = ponte;
        parlatore->guasto = [this, p](const QString& perche) {
            QMetaObject::invokeMethod(
                p, [this, perche] { segnala(perche); }, Qt::QueuedConnection);
        };
        parlatore->pronta = [this, p] {
            QMetaObject::invokeMethod(
                p, [this] { attesa.stop(); }, Qt::QueuedConnection);
        };
        filo->start();
        QMetaObject::invokeMethod(
            parlatore, [q = parlatore] { q->avvia(); }, Qt::QueuedConnection);
        attesa.setSingleShot(true);
        QObject::connect(&attesa, &QTimer::timeout, ponte, [this] {
            segnala(QStringLiteral("non si sente: manca il dispositivo audio o il servizio "
                                   "speech-dispatcher non risponde"));
        });
        attesa.start(6000);
    }
    ~VoceParlante() override {
        delete ponte;
        filo->quit();
        // A thread stuck in the speech service is left behind rather than waited for.
        if (filo->wait(1000)) delete filo;
    }

    void leggi(const std::vector<std::string>& testi) override {
        if (guasta) return;
        // One utterance, so that saying it cuts whatever came before, whole.
        QString detto;
        for (const std::string& t : testi) {
            QString s = QString::fromStdString(t).trimmed();
            if (s.isEmpty()) continue;
            if (!s.back().isPunct()) s += QLatin1Char('.');
            detto += (detto.isEmpty() ? QString() : QStringLiteral(" ")) + s;
        }
        QMetaObject::invokeMethod(
            parlatore, [q = parlatore, detto] { q->leggi(detto); }, Qt::QueuedConnection);
    }

private:
    void segnala(const QString& perche) {
        if (diagnosi()) std::fprintf(stderr, "voce: non disponibile: %s\n", qPrintable(perche));
        if (guasta) return;
        guasta = true;
        attesa.stop();
        if (guasto) guasto(chi, perche.toUtf8().constData());
    }

    Guasto guasto;
    void* chi;
    QObject* ponte; // in the window's thread: what the speech thread reports lands here
    QThread* filo = new QThread;
    Parlatore* parlatore = new Parlatore;
    QTimer attesa;
    bool guasta = false;
};

} // namespace

// `guasto` is called at most once, in the caller's thread, when the voice
// cannot speak, with the reason.
extern "C" Q_DECL_EXPORT Voce* aggettivi_crea_voce(Guasto guasto, void* chi) {
    return new VoceParlante(guasto, chi);
}
