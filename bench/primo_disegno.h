#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

// Runs a step once a window has painted for the first time; reports the
// peak resident memory in KiB on standard output.
class PrimoDisegno : public QObject {
public:
    void osserva(QWidget* w, std::function<void()> poi) {
        passi.insert(w, std::move(poi));
        w->installEventFilter(this);
    }
    static void esci() { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }
    static void riporta() {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        std::printf("%ld\n", u.ru_maxrss);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            o->removeEventFilter(this);
            auto poi = passi.take(o);
            if (poi) QTimer::singleShot(0, this, poi);
        }
        return false;
    }

private:
    QHash<QObject*, std::function<void()>> passi;
};
