#pragma once

#include "ui/finestre.h"

class FinestraEsercizio;
class RegistroErrori;

// The windows an exercise window raises but does not own: the result window
// when a series closes, the error log on "mostra errori" (a child of the
// exercise window, made on first use). Call once for every exercise window.
void collegaEsiti(FinestraEsercizio& f, Servizi servizi);

// The error log of `f`; nullptr before the first "mostra errori".
RegistroErrori* registroErrori(const FinestraEsercizio& f);
