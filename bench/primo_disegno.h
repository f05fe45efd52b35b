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
// the microseconds from launch (AGGETTIVI_AVVIO_NS, the launcher's realtime
// clock in nanoseconds) to the last first paint, and the peak resident memory
// in KiB, on one line.
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
        std::printf("%lld %ld\n", disegnato / 1000, u.ru_maxrss);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            o->removeEventFilter(this);
            disegnato = daAvvio();
            auto poi = passi.take(o);
            if (poi) QTimer::singleShot(0, this, poi);
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
    QHash<QObject*, std::function<void()>> passi;
};
