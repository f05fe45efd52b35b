#include "core/sessione.h"

#include "core/percorso.h"
#include "core/servizi.h"
#include "core/statistiche.h"
#include "core/verifica.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int serieMassime = 10; // dots in a row of the standings

template <class Stato> auto* contatore(Stato& m, int livello) {
    using Puntatore = decltype(&m.nottimo);
    switch (livello) {
    case 5:
        return &m.nottimo;
    case 4:
        return &m.ndistinto;
    case 3:
        return &m.nbuono;
    case 2:
        return &m.nsufficiente;
    case 1:
        return &m.noccorre;
    default:
        return static_cast<Puntatore>(nullptr);
    }
}

} // namespace

void Sessione::carica() {
    m.maxrisposte = rispostePerSerie;
    if (m.frasi.numeroFrasi() == 0) m.frasi.riempi();
    m.numfrasi = m.frasi.numeroFrasi();
    m.record = recordIniziale;
    m.nrisposte = 0;
    m.nerrori = 0;
    m.ndisplay = 1;
    m.avviato = false;
}

Sessione::Estrazione Sessione::estrai(Casuale& casuale, double ora) {
    const bool primaVolta = !m.avviato;
    if (primaVolta) {
        m.iniziotest = ora;
        m.inizio = ora;
    }
    m.avviato = true;

    casuale.rimescola();
    const int numfrasi = std::clamp(m.numfrasi.intero(), 1, Frasi::maxFrasi);
    int tentativi = 0;
    int nfrase = 0;
    bool esaurita = false;
    for (;;) {
        nfrase = std::clamp(static_cast<int>(std::floor(casuale.uniforme() * numfrasi)), 0,
                            numfrasi - 1);
        if (m.fatta[static_cast<std::size_t>(nfrase)] == 0) break;
        // The last sentence drawn stays on screen, although it was seen before.
        if (++tentativi > tentativiMassimi) {
            esaurita = true;
            break;
        }
    }
    m.nfrase = nfrase;
    m.fatta[static_cast<std::size_t>(nfrase)] = 1;
    m.nparola = primaParola(m.frasi, nfrase, m.modo == 1);
    m.attesa = m.frasi.chiave1(nfrase, m.nparola);
    return {nfrase, m.nparola, esaurita, primaVolta};
}

Sessione::Esito Sessione::conta(Esito e) {
    if (!e.giusta) {
        if (e.categoria >= 0 && e.categoria < static_cast<int>(m.contaerrori.size()))
            ++m.contaerrori[static_cast<std::size_t>(e.categoria)];
        ++m.nerrori;
    }
    ++m.nrisposte;
    e.chiudeSerie = m.nrisposte >= m.maxrisposte;
    return e;
}

Sessione::Esito Sessione::rispondiPrima(const PrimaDomanda& p) {
    m.risposta = p.codice;
    Esito e;
    if (!primaRispostaGiusta(p.codice, m.frasi.chiave1(m.nfrase, m.nparola))) {
        e.categoria = p.codice;
        return conta(e);
    }
    e.giusta = true;
    e.dopo = Dopo::parti;
    e.primaParte = p.primo;
    e.ultimaParte = p.ultimo;
    e.etichettaTraccia = std::clamp(m.ndisplay.intero(), 1, 10);
    e.traccia = p.traccia;
    e.colore = p.colore;
    return conta(e);
}

Sessione::Esito Sessione::rispondi(Domanda d, int indice) {
    const DescrizioneDomanda& desc = domanda(d);
    Esito e;
    if (indice < 1 || indice > static_cast<int>(desc.bottoni.size())) {
        e.ignorata = true;
        return e;
    }
    m.risposta = indice;
    if (m.risposta != m.attesa) {
        // A wrong part of speech counts under the one that should have been seen.
        e.categoria = d == Domanda::parte ? m.attesa.intero() : m.categoria.intero();
        return conta(e);
    }
    e.giusta = true;
    e = conta(e);
    m.ndisplay = m.ndisplay + 1;
    const Bottone& b = desc.bottoni[static_cast<std::size_t>(indice - 1)];
    e.etichettaTraccia = std::clamp(m.ndisplay.intero(), 1, 10);
    e.traccia = b.traccia;
    e.colore = b.colore;
    if (d == Domanda::parte && indice == codiceAggettivo) m.categoria = m.attesa.intero();

    const DopoGiusta dopo = dopoRispostaGiusta(d, indice, m.frasi, m.nfrase, m.nparola);
    if (dopo.fineParola) return finisciParola(e, desc.fineSempreCompleta || m.modo != 1);
    e.dopo = Dopo::domanda;
    e.prossima = dopo.prossima;
    m.attesa = m.frasi.chiave(dopo.colonna, m.nfrase, m.nparola);
    return e;
}

Sessione::Esito Sessione::finisciParola(Esito e, bool parolaPerParola) {
    m.ndisplay = 1;
    const Avanzamento a = ::finisciParola(m.frasi, m.nfrase, m.nparola, !parolaPerParola);
    e.parolaFinita = m.nparola;
    e.parolaPerParola = parolaPerParola;
    m.nparola = a.nparola;
    if (a.completata) {
        e.dopo = Dopo::fraseCompletata;
        return e;
    }
    m.attesa = m.frasi.chiave1(m.nfrase, m.nparola);
    e.dopo = Dopo::prossimaParola;
    return e;
}

int Sessione::percentuale() const {
    return percentualeErrori(m.nerrori, m.nrisposte);
}

Sessione::Chiusura Sessione::chiudiSerie(double ora) {
    const int lv = livelloPerErrori(m.nerrori);
    m.livello = lv;
    if (auto* n = contatore(m, lv)) *n = std::min(n->intero() + 1, serieMassime);
    // A monotonic clock: the series time is never negative, even across midnight.
    const double tempo = std::max(0.0, ora - m.iniziotest.reale());
    const bool nuovoRecord = lv == 5 && tempo < m.record;
    if (nuovoRecord) m.record = arrotondaRecord(tempo);
    return {lv, nuovoRecord};
}

int Sessione::serie(int livello) const {
    const auto* n = contatore(std::as_const(m), livello);
    return n ? std::clamp(n->intero(), 0, serieMassime) : 0;
}

void Sessione::nuovaSerie(double ora) {
    m.nrisposte = 0;
    m.nerrori = 0;
    m.iniziotest = ora;
}
