#include "ui/avvisofrasi.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

AvvisoFrasi::AvvisoFrasi(QWidget* finestra, int scartate, QStringList elencoProblemi)
    : QLabel(testoAvviso(scartate), finestra), problemi(std::move(elencoProblemi)) {
    setObjectName(QStringLiteral("AvvisoFrasi"));
    setAccessibleName(text());
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setPointSize(9);
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(200, 210, 255));
    setPalette(p);
    finestra->installEventFilter(this);
    colloca();
    show();
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

bool AvvisoFrasi::eventFilter(QObject* o, QEvent* e) {
    if (o == parent() && e->type() == QEvent::Resize) colloca();
    return QLabel::eventFilter(o, e);
}

void AvvisoFrasi::colloca() {
    const QWidget* w = parentWidget();
    const int h = sizeHint().height();
    setGeometry(8, w->height() - h - 6, w->width() - 16, h);
    raise();
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
    auto* testo = new QPlainTextEdit(problemi.join(QLatin1Char('\n')), w);
    testo->setObjectName(QStringLiteral("ElencoProblemi"));
    testo->setReadOnly(true);
    testo->setLineWrapMode(QPlainTextEdit::NoWrap);
    l->addWidget(testo);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), w);
    chiudi->setObjectName(QStringLiteral("Chiudi"));
    connect(chiudi, &QPushButton::clicked, w, &QWidget::close);
    l->addWidget(chiudi, 0, Qt::AlignRight);
    w->resize(720, 360);
    finestraElenco = w;
    w->show();
}
