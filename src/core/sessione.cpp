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

template <class Stato> auto* contatore(Stato& m, Livello livello) {
    using Puntatore = decltype(&m.nottimo);
    switch (livello) {
    case Livello::ottimo:
        return &m.nottimo;
    case Livello::distinto:
        return &m.ndistinto;
    case Livello::buono:
        return &m.nbuono;
    case Livello::sufficiente:
        return &m.nsufficiente;
    case Livello::occorre:
        return &m.noccorre;
    case Livello::nessuno:
    case Livello::soloClassifica:
        break;
    }
    return static_cast<Puntatore>(nullptr);
}

bool soloAggettivi(const StatoCorsa& m) {
    return m.modo == Modo::soloAggettivi;
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
    const int numfrasi = std::clamp(m.numfrasi, 1, Frasi::maxFrasi);
    int tentativi = 0;
    int nfrase = 0;
    bool esaurita = false;
    for (;;) {
        nfrase = std::clamp(static_cast<int>(std::floor(casuale.uniforme() * numfrasi)), 0,
                            numfrasi - 1);
        if (!m.fatta[static_cast<std::size_t>(nfrase)]) break;
        // The last sentence drawn stays on screen, although it was seen before.
        if (++tentativi > tentativiMassimi) {
            esaurita = true;
            break;
        }
    }
    m.nfrase = nfrase;
    m.fatta[static_cast<std::size_t>(nfrase)] = true;
    m.nparola = primaParola(m.frasi, nfrase, soloAggettivi(m));
    m.attesa = m.frasi.chiave(Domanda::parte, nfrase, m.nparola);
    return {nfrase, m.nparola, esaurita, primaVolta};
}

Sessione::Esito Sessione::conta(Esito e) {
    if (!e.giusta) {
        const int c = static_cast<int>(e.categoria);
        if (c >= 0 && c < static_cast<int>(m.contaerrori.size()))
            ++m.contaerrori[static_cast<std::size_t>(c)];
        ++m.nerrori;
    }
    ++m.nrisposte;
    e.chiudeSerie = m.nrisposte >= m.maxrisposte;
    return e;
}

Sessione::Esito Sessione::rispondiPrima(const PrimaDomanda& p) {
    m.risposta = p.codice;
    Esito e;
    if (!primaRispostaGiusta(p.codice, m.frasi.chiave(Domanda::parte, m.nfrase, m.nparola))) {
        e.categoria = static_cast<Categoria>(p.codice);
        return conta(e);
    }
    e.giusta = true;
    e.dopo = Dopo::parti;
    e.primaParte = p.primo;
    e.ultimaParte = p.ultimo;
    e.etichettaTraccia = std::clamp(m.ndisplay, 1, 10);
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
        e.categoria = d == Domanda::parte ? static_cast<Categoria>(m.attesa) : m.categoria;
        return conta(e);
    }
    e.giusta = true;
    e = conta(e);
    m.ndisplay = m.ndisplay + 1;
    const Bottone& b = desc.bottoni[static_cast<std::size_t>(indice - 1)];
    e.etichettaTraccia = std::clamp(m.ndisplay, 1, 10);
    e.traccia = b.traccia;
    e.colore = b.colore;
    if (d == Domanda::parte && indice == codiceAggettivo)
        m.categoria = static_cast<Categoria>(m.attesa);

    const DopoGiusta dopo = dopoRispostaGiusta(d, indice, m.frasi, m.nfrase, m.nparola);
    if (dopo.fineParola) return finisciParola(e, desc.fineSempreCompleta || !soloAggettivi(m));
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
    m.attesa = m.frasi.chiave(Domanda::parte, m.nfrase, m.nparola);
    e.dopo = Dopo::prossimaParola;
    return e;
}

int Sessione::percentuale() const {
    return percentualeErrori(m.nerrori, m.nrisposte);
}

Sessione::Chiusura Sessione::chiudiSerie(double ora) {
    const Livello lv = livelloPerErrori(m.nerrori);
    m.livello = lv;
    if (auto* n = contatore(m, lv)) *n = std::min(*n + 1, serieMassime);
    // A monotonic clock: the series time is never negative, even across midnight.
    const double tempo = std::max(0.0, ora - m.iniziotest.reale());
    const bool nuovoRecord = lv == Livello::ottimo && tempo < m.record;
    if (nuovoRecord) m.record = arrotondaRecord(tempo);
    return {lv, nuovoRecord};
}

int Sessione::serie(Livello livello) const {
    const auto* n = contatore(std::as_const(m), livello);
    return n ? std::clamp(*n, 0, serieMassime) : 0;
}

void Sessione::nuovaSerie(double ora) {
    m.nrisposte = 0;
    m.nerrori = 0;
    m.iniziotest = ora;
}
