#pragma once

#include <QColor>
#include <QWidget>

// A filled circle, as the dots of the standings.
class Cerchio : public QWidget {
    Q_OBJECT
public:
    explicit Cerchio(QWidget* padre) : QWidget(padre) {}
    void impostaColore(const QColor& c) {
        colore = c;
        update();
    }
    QColor coloreAttuale() const { return colore; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colore;
};

// An outlined rectangle drawn behind the other controls.
class Cornice : public QWidget {
    Q_OBJECT
public:
    Cornice(QWidget* padre, const QColor& c) : QWidget(padre), colore(c) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colore;
};
