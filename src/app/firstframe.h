#pragma once

#include <QQuickWindow>

#include <memory>

#include <cstdio>
#include <ctime>

// For the start-up benchmark (bench/shell-bench.sh): when STINT_BENCH_T0 holds the wall-clock time
// (ns since the epoch) just before the process was started, prints on stderr
// how long it took until `window` showed its first frame.
inline void reportFirstFrame(QQuickWindow *window)
{
    const QByteArray t0 = qgetenv("STINT_BENCH_T0");
    if (t0.isEmpty())
        return;
    const qint64 started = t0.toLongLong();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(window, &QQuickWindow::frameSwapped, window, [started, connection] {
        QObject::disconnect(*connection);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const qint64 elapsedNs = qint64(now.tv_sec) * 1000000000 + now.tv_nsec - started;
        std::fprintf(stderr, "first-frame-ms %.1f\n", double(elapsedNs) / 1e6);
        std::fflush(stderr);
    });
}
