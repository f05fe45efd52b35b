#include "ui/avvisofrasi.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Room for a window manager's frame, which is not known before the list is shown.
constexpr QMargins cornice(8, 32, 8, 8);
} // namespace

AvvisoFrasi::AvvisoFrasi(QWidget* finestra, int scartate, QStringList elencoProblemi)
    : QLabel(finestra) {
    setObjectName(QStringLiteral("AvvisoFrasi"));
    setCursor(Qt::PointingHandCursor);
    imposta(scartate, std::move(elencoProblemi));
    show();
}

void AvvisoFrasi::imposta(int scartate, QStringList elencoProblemi) {
    problemi = std::move(elencoProblemi);
    setText(testoAvviso(scartate));
    setAccessibleName(text());
    if (finestraElenco)
        if (auto* t = finestraElenco->findChild<QPlainTextEdit*>(QStringLiteral("ElencoProblemi")))
            t->setPlainText(problemi.join(QLatin1Char('\n')));
}

QString AvvisoFrasi::testoAvviso(int scartate) {
    // On the pupils' window: it says whom it is for.
    if (scartate == 1)
        return QStringLiteral(
            "Per l'insegnante: 1 frase non è stata caricata. Clicca qui per sapere perché.");
    if (scartate > 1)
        return QStringLiteral("Per l'insegnante: %1 frasi non sono state caricate. Clicca qui "
                              "per sapere perché.")
            .arg(scartate);
    return QStringLiteral("Per l'insegnante: ci sono avvisi sui file di frasi. Clicca qui per "
                          "leggerli.");
}

void AvvisoFrasi::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton) mostraElenco();
}

void AvvisoFrasi::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}

QRect AvvisoFrasi::postoElenco(const QRect& schermo) {
    const QRect libero = schermo.marginsRemoved(cornice);
    const QSize voluta(std::min(libero.width(), std::max(480, schermo.width() * 3 / 5)),
                       std::min(libero.height(), std::max(320, schermo.height() / 2)));
    QRect r(QPoint(), voluta);
    r.moveCenter(libero.center());
    return r;
}

void AvvisoFrasi::mostraElenco() {
    if (finestraElenco) {
        finestraElenco->raise();
        finestraElenco->activateWindow();
        return;
    }
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName(QStringLiteral("ElencoFrasiNonCaricate"));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(QStringLiteral("Problemi nei file di frasi"));
    auto* l = new QVBoxLayout(w);
    l->addWidget(
        new QLabel(QStringLiteral("Che cosa non va nei file di frasi (il numero dopo il nome del "
                                  "file è la riga):"),
                   w));
    auto* testo = new QPlainTextEdit(w);
    testo->setObjectName(QStringLiteral("ElencoProblemi"));
    testo->setReadOnly(true);
    // Long file names break anywhere rather than hide the message's end.
    testo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    testo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    testo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    testo->setPlainText(problemi.join(QLatin1Char('\n')));
    l->addWidget(testo);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), w);
    chiudi->setObjectName(QStringLiteral("Chiudi"));
    connect(chiudi, &QPushButton::clicked, w, &QWidget::close);
    l->addWidget(chiudi, 0, Qt::AlignRight);
    QScreen* schermo = window()->screen();
    w->setScreen(schermo);
    w->setGeometry(postoElenco(schermo->availableGeometry()));
    finestraElenco = w;
    emit elencoAperto(w);
    w->show();
}
