#include "qt/servizi_qt.h"

#include "config.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibrary>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>

void CasualeQt::rimescola() {
    gen.seed(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

// 53 random bits: exactly uniform in [0, 1), never 1.
double CasualeQt::uniforme() {
    return static_cast<double>(gen() >> 11) * 0x1.0p-53;
}

void PausaQt::unSecondo() {
    QEventLoop attesa;
    QTimer::singleShot(1000, &attesa, &QEventLoop::quit);
    // Painting and timers go on; clicks and keys are dropped, not deferred.
    qApp->installEventFilter(this);
    attesa.exec();
    qApp->removeEventFilter(this);
}

bool PausaQt::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return QObject::eventFilter(o, e);
    }
}

namespace {
// The audio back-end reports a missing device or sound server on the console;
// for this program a sound that cannot play is simply not heard.
QtMessageHandler precedente = nullptr;
void filtra(QtMsgType t, const QMessageLogContext& c, const QString& msg) {
    static const char* const avvisiAudio[] = {"PulseAudioService", "No audio device",
                                              "QSoundEffect", "QAudioSink", "pa_"};
    if (t != QtFatalMsg)
        for (const char* a : avvisiAudio)
            if (msg.startsWith(QLatin1String(a))) return;
    if (precedente) precedente(t, c, msg);
}
} // namespace

ModuloDifferito::ModuloDifferito(QStringList file, const char* esportato)
    : moduli(std::move(file)), simbolo(esportato) {
    qApp->installEventFilter(this);
    QTimer::singleShot(500, this, &ModuloDifferito::carica);
}

bool ModuloDifferito::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Paint) {
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, this, &ModuloDifferito::carica);
    }
    return QObject::eventFilter(o, e);
}

QStringList ModuloDifferito::accantoAlProgramma(const QString& file) {
    // Beside the program in the build; in the private library folder once installed.
    const QDir programma(QCoreApplication::applicationDirPath());
    return {programma.filePath(file),
            programma.filePath(QStringLiteral("../" AGGETTIVI_LIBDIR "/aggettivi/") + file)};
}

void ModuloDifferito::carica() {
    if (caricato) return;
    caricato = true;
    qApp->removeEventFilter(this);
    for (const QString& m : std::as_const(moduli)) {
        QLibrary modulo(m);
        if (!QFileInfo::exists(m) || !modulo.load()) continue;
        if (const QFunctionPointer crea = modulo.resolve(simbolo)) {
            pronto(crea, QFileInfo(m).canonicalFilePath());
            return;
        }
    }
    pronto(nullptr, QString());
}

LettoreQt::LettoreQt(QStringList dove)
    : ModuloDifferito(moduliPredefiniti(), "aggettivi_crea_lettore"), cartelle(std::move(dove)) {
    static const bool installato = [] {
        precedente = qInstallMessageHandler(filtra);
        return true;
    }();
    (void)installato;
}

LettoreQt::~LettoreQt() = default;

QStringList LettoreQt::moduliPredefiniti() {
    return ModuloDifferito::accantoAlProgramma(QStringLiteral("libaggettivi_suoni.so"));
}

void LettoreQt::pronto(QFunctionPointer crea, const QString& file) {
    using Crea = Lettore* (*)(const QStringList*);
    if (crea) reale.reset(reinterpret_cast<Crea>(crea)(&cartelle));
    // To check an installation: AGGETTIVI_DIAGNOSI_SUONI="esatto conga ..." prints
    // the module in use and, through it, the file of each sound named; then quits.
    if (qEnvironmentVariableIsSet("AGGETTIVI_DIAGNOSI_SUONI")) {
        std::printf("modulo %s\n", reale ? qPrintable(file) : "mancante");
        const QStringList nomi =
            qEnvironmentVariable("AGGETTIVI_DIAGNOSI_SUONI")
                .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
        for (const QString& n : nomi) {
            const auto s = std::find_if(tuttiISuoni.begin(), tuttiISuoni.end(), [&](Suono x) {
                return n == QLatin1String(nome(x).data(), static_cast<qsizetype>(nome(x).size()));
            });
            if (s == tuttiISuoni.end())
                std::printf("suono %s sconosciuto\n", qPrintable(n));
            else if (reale)
                reale->riproduci(*s);
        }
        std::fflush(stdout);
        QCoreApplication::exit(reale ? 0 : 1);
        return;
    }
    if (reale && inAttesa) reale->riproduci(*inAttesa);
    inAttesa.reset();
}

QStringList LettoreQt::cartellePredefinite() {
    const QString programma = QCoreApplication::applicationDirPath();
    return {QDir(programma).filePath(QStringLiteral("suoni")),
            QDir(programma).filePath(QStringLiteral("../share/aggettivi/suoni"))};
}

void LettoreQt::riproduci(Suono s) {
    if (reale)
        reale->riproduci(s);
    else if (!tentato())
        inAttesa = s;
}

VoceQt::VoceQt(QStringList file) : ModuloDifferito(std::move(file), "aggettivi_crea_voce") {}

VoceQt::~VoceQt() = default;

QStringList VoceQt::moduliPredefiniti() {
    return ModuloDifferito::accantoAlProgramma(QStringLiteral("libaggettivi_voce.so"));
}

void VoceQt::pronto(QFunctionPointer crea, const QString&) {
    using Crea = Voce* (*)(void (*)(void*, const char*), void*);
    if (crea) reale.reset(reinterpret_cast<Crea>(crea)(&VoceQt::guasto, this));
    if (!reale) segnalaGuasto(QStringLiteral("manca il modulo della voce"));
    if (reale && !guasta_ && inAttesa) reale->leggi(*inAttesa);
    inAttesa.reset();
}

void VoceQt::guasto(void* chi, const char* perche) {
    static_cast<VoceQt*>(chi)->segnalaGuasto(QString::fromUtf8(perche));
}

void VoceQt::segnalaGuasto(const QString& perche) {
    if (guasta_) return;
    guasta_ = true;
    if (quandoGuasta) quandoGuasta(perche);
}

void VoceQt::leggi(const std::vector<std::string>& testi) {
    if (guasta_) return;
    if (reale)
        reale->leggi(testi);
    else if (!tentato())
        inAttesa = testi;
}

void ServiziQt::vuoiVoce(bool si) {
    voceVoluta = si;
    if (!si || voce) return;
    voce = std::make_unique<VoceQt>();
    voce->quandoGuasta = [this](const QString& perche) {
        if (quandoVoceGuasta) quandoVoceGuasta(perche);
    };
}

void ModaleQt::mostra(QDialog& d) {
    d.exec();
}

ServiziQt::ServiziQt() : lettore(LettoreQt::cartellePredefinite()), audio(lettore, casuale) {}
