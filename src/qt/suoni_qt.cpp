// The sound player proper, in a module of its own: Qt Multimedia and the
// audio libraries behind it are loaded beside the start-up, not before it.
#include "core/servizi.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>
#include <cstdio>

namespace {

class LettoreEffetti final : public Lettore {
public:
    explicit LettoreEffetti(QStringList dove)
        : cartelle(std::move(dove)), elenca(qEnvironmentVariableIsSet("AGGETTIVI_DIAGNOSI_SUONI")) {
    }
    ~LettoreEffetti() override {
        // Qt Multimedia can deadlock at exit if a sample is still being loaded
        // (its global sample cache waits for a loader that waits for it): let
        // the loading finish first, for a second at most.
        QElapsedTimer t;
        t.start();
        auto caricando = [this] {
            for (QSoundEffect* e : std::as_const(effetti))
                if (e && e->status() == QSoundEffect::Loading) return true;
            return false;
        };
        while (caricando() && t.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        qDeleteAll(effetti);
    }

    void riproduci(Suono s) override {
        QSoundEffect* e = effetto(s);
        // One sound at a time: a new one cuts the one playing.
        if (inCorso && inCorso != e) inCorso->stop();
        inCorso = e;
        if (e) e->play();
    }
    bool disponibile(Suono s) const override {
        return effetti.value(static_cast<int>(s), nullptr) != nullptr;
    }

private:
    QSoundEffect* effetto(Suono s) {
        const auto chiave = static_cast<int>(s);
        auto it = effetti.constFind(chiave);
        if (it != effetti.constEnd()) return *it;
        QSoundEffect* e = nullptr;
        const QString nome = QString::fromLatin1(::nome(s).data(), ::nome(s).size());
        for (const QString& c : cartelle) {
            const QFileInfo f(QDir(c).filePath(nome + QStringLiteral(".wav")));
            if (f.isFile() && f.isReadable()) {
                e = new QSoundEffect;
                e->setSource(QUrl::fromLocalFile(f.absoluteFilePath()));
                break;
            }
        }
        effetti.insert(chiave, e); // nullptr too: a missing file is looked for once
        if (elenca)
            std::printf("suono %s %s\n", qPrintable(nome),
                        e ? qPrintable(e->source().toLocalFile()) : "mancante");
        return e;
    }

    QStringList cartelle;
    QHash<int, QSoundEffect*> effetti;
    QSoundEffect* inCorso = nullptr;
    const bool elenca; // print each sound's file, to check an installation
};

} // namespace

extern "C" Q_DECL_EXPORT Lettore* aggettivi_crea_lettore(const QStringList* cartelle) {
    return new LettoreEffetti(*cartelle);
}
