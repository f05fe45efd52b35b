// The voice proper, in a module of its own: Qt TextToSpeech and the speech
// service behind it are loaded only for a pupil who asked for the voice.
#include "core/servizi.h"

#include <QLocale>
#include <QString>
#include <QTextToSpeech>

namespace {

using Guasto = void (*)(void* chi, const char* perche);

class VoceParlante final : public Voce {
public:
    VoceParlante(Guasto g, void* c) : guasto(g), chi(c) {
        const QStringList motori = QTextToSpeech::availableEngines();
        if (motori.isEmpty()) {
            segnala("nessun motore di sintesi vocale installato");
            return;
        }
        // speech-dispatcher first: it carries the Italian voices of espeak-ng.
        const QString motore =
            motori.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : motori.first();
        parla = new QTextToSpeech(motore);
        QObject::connect(parla, &QTextToSpeech::errorOccurred, parla,
                         [this](QTextToSpeech::ErrorReason, const QString& testo) {
                             segnala(testo.toUtf8().constData());
                         });
        if (parla->state() == QTextToSpeech::Error) {
            segnala(parla->errorString().toUtf8().constData());
            return;
        }
        for (const QLocale& l : parla->availableLocales())
            if (l.language() == QLocale::Italian) {
                parla->setLocale(l);
                return;
            }
        segnala("nessuna voce italiana");
    }
    ~VoceParlante() override { delete parla; }

    void leggi(const std::vector<std::string>& testi) override {
        if (!parla || guasta) return;
        // One utterance, so that saying it cuts whatever came before, whole.
        QString detto;
        for (const std::string& t : testi) {
            QString s = QString::fromStdString(t).trimmed();
            if (s.isEmpty()) continue;
            if (!s.back().isPunct()) s += QLatin1Char('.');
            detto += (detto.isEmpty() ? QString() : QStringLiteral(" ")) + s;
        }
        if (parla->state() == QTextToSpeech::Speaking) parla->stop();
        if (!detto.isEmpty()) parla->say(detto);
    }

private:
    void segnala(const char* perche) {
        if (guasta) return;
        guasta = true;
        if (guasto) guasto(chi, perche);
    }

    QTextToSpeech* parla = nullptr;
    Guasto guasto;
    void* chi;
    bool guasta = false;
};

} // namespace

// `guasto` is called at most once, when the voice cannot speak, with the reason.
extern "C" Q_DECL_EXPORT Voce* aggettivi_crea_voce(Guasto guasto, void* chi) {
    return new VoceParlante(guasto, chi);
}
