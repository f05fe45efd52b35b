#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>

// Runs a step once a window has painted for the first time. At exit it reports
// on one line the microseconds from launch (AGGETTIVI_AVVIO_NS, the launcher's
// realtime clock in nanoseconds) to the last first paint event, the peak
// resident memory in KiB, and the microseconds to the end of that paint, when
// the whole frame is there to be seen.
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
        std::printf("%lld %ld %lld\n", disegnato / 1000, u.ru_maxrss, finito / 1000);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            o->removeEventFilter(this);
            disegnato = daAvvio();
            // Runs once the paint, children included, is over.
            QTimer::singleShot(0, this, [poi = passi.take(o)] {
                finito = daAvvio();
                if (poi) poi();
            });
        }
        return false;
    }

private:
    static long long daAvvio() {
        timespec ora{};
        clock_gettime(CLOCK_REALTIME, &ora);
        const long long adesso = ora.tv_sec * 1000000000LL + ora.tv_nsec;
        return adesso - qgetenv("AGGETTIVI_AVVIO_NS").toLongLong();
    }
    static inline long long disegnato = 0;
    static inline long long finito = 0;
    QHash<QObject*, std::function<void()>> passi;
};
