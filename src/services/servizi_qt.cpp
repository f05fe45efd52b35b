#include "services/servizi_qt.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <chrono>

void CasualeQt::rimescola() {
    gen.seed(static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
}

// 53 random bits: exactly uniform in [0, 1), never 1.
double CasualeQt::uniforme() { return static_cast<double>(gen() >> 11) * 0x1.0p-53; }

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

LettoreQt::LettoreQt(QStringList cartelle) : cartelle(std::move(cartelle)) {
    static const bool installato = [] {
        precedente = qInstallMessageHandler(filtra);
        return true;
    }();
    (void)installato;
}

LettoreQt::~LettoreQt() { qDeleteAll(effetti); }

QStringList LettoreQt::cartellePredefinite() {
    const QString programma = QCoreApplication::applicationDirPath();
    return {QDir(programma).filePath(QStringLiteral("suoni")),
            QDir(programma).filePath(QStringLiteral("../share/aggettivi/suoni"))};
}

QSoundEffect* LettoreQt::effetto(const QString& nome) {
    auto it = effetti.constFind(nome);
    if (it != effetti.constEnd()) return *it;
    QSoundEffect* e = nullptr;
    for (const QString& c : cartelle) {
        const QFileInfo f(QDir(c).filePath(nome + QStringLiteral(".wav")));
        if (f.isFile() && f.isReadable()) {
            e = new QSoundEffect;
            e->setSource(QUrl::fromLocalFile(f.absoluteFilePath()));
            break;
        }
    }
    effetti.insert(nome, e);
    return e;
}

void LettoreQt::precarica(const QStringList& nomi) {
    for (const QString& n : nomi) effetto(n);
}

void LettoreQt::riproduci(std::string_view nome) {
    QSoundEffect* e = effetto(QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size())));
    if (inCorso && inCorso != e) inCorso->stop();
    inCorso = e;
    if (e) e->play();
}

void ModaleQt::mostra(QDialog& d) { d.exec(); }

ServiziQt::ServiziQt() : lettore_(LettoreQt::cartellePredefinite()), audio(lettore_, casuale) {}
