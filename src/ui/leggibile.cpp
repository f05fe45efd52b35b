#include "ui/leggibile.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace leggibile {

namespace {
QString primaInstallata(std::initializer_list<const char*> facce) {
    const QStringList installate = QFontDatabase::families();
    for (const char* f : facce)
        if (installate.contains(QString::fromLatin1(f))) return QString::fromLatin1(f);
    return QString();
}

QFont con(const QString& faccia, double punti, bool grassetto) {
    QFont f;
    if (!faccia.isEmpty()) f.setFamily(faccia);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}
} // namespace

QFont carattere(double punti, bool grassetto) {
    static const QString faccia =
        primaInstallata({"OpenDyslexic", "Atkinson Hyperlegible", "DejaVu Sans", "Verdana"});
    return con(faccia, punti, grassetto);
}

QFont caratterePiano(double punti, bool grassetto) {
    static const QString faccia =
        primaInstallata({"Atkinson Hyperlegible", "DejaVu Sans", "Verdana"});
    return con(faccia, punti, grassetto);
}

QString senzaMaiuscole(const QString& testo) {
    static const QRegularExpression parola(QStringLiteral("\\b\\p{Lu}{2,}\\b"));
    QString r = testo;
    auto it = parola.globalMatch(testo);
    while (it.hasNext()) {
        const auto m = it.next();
        r.replace(m.capturedStart(), m.capturedLength(), m.captured().toLower());
    }
    // The first letter of the text keeps the capital it had ("PARTE" shows as
    // "Parte"); a word of the sentence written in small letters stays so.
    for (qsizetype i = 0; i < r.size(); ++i)
        if (r[i].isLetter()) {
            if (testo[i].isUpper()) r[i] = r[i].toUpper();
            break;
        }
    return r;
}

QString mostrato(const QWidget* w, const QString& testo) {
    return w->property("senzaMaiuscole").toBool() ? senzaMaiuscole(testo) : testo;
}

void applica(QWidget* w, double ingrandisci) {
    const QFont vecchio = w->font();
    w->setFont(carattere(vecchio.pointSizeF() * ingrandisci, vecchio.bold()));
    w->setProperty("senzaMaiuscole", true);
}

namespace {
double luminanza(const QColor& c) {
    auto lineare = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}
} // namespace

double contrasto(const QColor& a, const QColor& b) {
    const double la = luminanza(a), lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace leggibile
