#include "app/frasi_corsa.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

struct LetturaCartelle::Condiviso {
    std::mutex m;
    std::condition_variable pronta;
    std::vector<std::optional<CartellaLetta>> lette;
};

LetturaCartelle::LetturaCartelle(const QStringList& cartelle, Lettore leggi)
    : condiviso(std::make_shared<Condiviso>()), prese(cartelle.size(), false) {
    condiviso->lette.resize(cartelle.size());
    for (qsizetype i = 0; i < cartelle.size(); ++i) {
        // Detached: a thread stuck on a dead network share must not keep the
        // program from ending. It holds all it uses.
        std::thread([c = condiviso, i, cartella = cartelle[i], leggi] {
            CartellaLetta letta = leggi(cartella);
            const std::lock_guard<std::mutex> l(c->m);
            c->lette[static_cast<std::size_t>(i)] = std::move(letta);
            c->pronta.notify_all();
        }).detach();
    }
}

std::vector<CartellaLetta> LetturaCartelle::nuove() {
    std::vector<CartellaLetta> v;
    const std::lock_guard<std::mutex> l(condiviso->m);
    for (std::size_t i = 0; i < prese.size(); ++i)
        if (!prese[i] && condiviso->lette[i]) {
            prese[i] = true;
            v.push_back(std::move(*condiviso->lette[i]));
        }
    return v;
}

std::vector<int> LetturaCartelle::inAttesa() const {
    std::vector<int> v;
    const std::lock_guard<std::mutex> l(condiviso->m);
    for (std::size_t i = 0; i < prese.size(); ++i)
        if (!prese[i] && !condiviso->lette[i]) v.push_back(static_cast<int>(i));
    return v;
}

bool LetturaCartelle::attendi(std::chrono::steady_clock::time_point fino) {
    std::unique_lock<std::mutex> l(condiviso->m);
    return condiviso->pronta.wait_until(l, fino, [this] {
        for (const auto& c : condiviso->lette)
            if (!c) return false;
        return true;
    });
}

FrasiCorsa::FrasiCorsa(Frasi& b, const QStringList& file,
                       const QList<CartellaConfigurata>& cartelle, LetturaCartelle::Lettore leggi)
    : banca(b), inizio(Orologio::now()) {
    r = caricaFrasi(banca, file);
    // Files named on the command line are all the run uses.
    if (!file.isEmpty() || cartelle.isEmpty()) return;
    for (const QString& f : fileFrasiPredefiniti()) nomi.insert(QFileInfo(f).fileName());
    configurate = cartelle;
    QStringList nomiCartelle;
    for (const CartellaConfigurata& c : configurate) nomiCartelle << c.cartella;
    lettura.emplace(nomiCartelle, std::move(leggi));
}

FrasiInUso FrasiCorsa::inUso() const {
    FrasiInUso u{rigaInUso(r), r.scartate, r.problemi};
    if (tarda && lettura)
        for (int i : lettura->inAttesa()) {
            const CartellaConfigurata& c = configurate[i];
            u.problemi << c.dove +
                              QStringLiteral(": la cartella «%1» non risponde: le sue frasi non "
                                             "si usano (la rete o il disco sono collegati?)")
                                  .arg(QDir::toNativeSeparators(c.cartella));
        }
    return u;
}

FrasiInUso FrasiCorsa::usa(const QStringList& file) {
    lettura.reset();
    tarda = false;
    r = caricaFrasi(banca, file);
    return inUso();
}

bool FrasiCorsa::aggiorna(Orologio::time_point adesso) {
    if (!lettura || conclusa) return false;
    bool cambiato = false;
    std::vector<CartellaLetta> lette = lettura->nuove();
    for (CartellaLetta& c : lette) {
        cambiato = true;
        const auto pos =
            std::find_if(configurate.cbegin(), configurate.cend(),
                         [&](const CartellaConfigurata& v) { return v.cartella == c.cartella; });
        const QString dove = pos != configurate.cend() ? pos->dove : QString();
        if (!c.errore.isEmpty()) {
            r.problemi << dove +
                              QStringLiteral(": la cartella «%1» ")
                                  .arg(QDir::toNativeSeparators(c.cartella)) +
                              c.errore;
            continue;
        }
        r.problemi << c.problemi;
        std::vector<FileLetto> file;
        for (FileLetto& f : c.file) {
            const QString n = QFileInfo(f.nome).fileName();
            if (nomi.contains(n)) continue;
            nomi.insert(n);
            file.push_back(std::move(f));
        }
        caricaLetti(banca, file, r);
    }
    const bool ancora = !lettura->inAttesa().empty();
    if (ancora && !tarda && adesso - inizio >= pazienza) {
        tarda = true;
        cambiato = true;
    }
    if (!ancora && tarda) tarda = false;
    return cambiato;
}

void FrasiCorsa::concludi() {
    if (lettura && !conclusa) {
        lettura->attendi(inizio + attesaMassima);
        aggiorna(Orologio::now());
    }
    conclusa = true;
}

void FrasiCorsa::collega(FinestraIniziale& w) {
    w.usaFile = [this](const QStringList& file) { return usa(file); };
    w.mostraFrasi(inUso());
    if (!lettura) return;
    // Asked often, it costs a lock; the folders' threads never touch a widget.
    auto* controlla = new QTimer(&w);
    controlla->setInterval(100);
    QObject::connect(controlla, &QTimer::timeout, &w, [this, &w, controlla] {
        if (aggiorna(Orologio::now())) w.mostraFrasi(inUso());
        if (!lettura || conclusa || (lettura->inAttesa().empty())) controlla->stop();
    });
    controlla->start();
}
