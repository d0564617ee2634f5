#include "LoopGapProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <memory>

namespace LoopGapProbe {

void startIfAsked()
{
    const QString path = qEnvironmentVariable("PORTVIEW_BENCH_LOOP_GAPS");
    if (path.isEmpty() || !QCoreApplication::instance())
        return;
    auto *ticks = new QTimer(QCoreApplication::instance());
    ticks->setTimerType(Qt::PreciseTimer);
    ticks->setInterval(5);
    struct State
    {
        QElapsedTimer sinceTick;
        QElapsedTimer sinceWrite;
        qint64 longestNs = 0;
    };
    auto state = std::make_shared<State>();
    state->sinceTick.start();
    state->sinceWrite.start();
    QObject::connect(ticks, &QTimer::timeout, ticks, [state, path] {
        state->longestNs = qMax(state->longestNs, state->sinceTick.nsecsElapsed());
        state->sinceTick.restart();
        if (state->sinceWrite.elapsed() >= 1000) {
            state->sinceWrite.restart();
            QFile out(path);
            if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                out.write(QByteArray::number(static_cast<double>(state->longestNs) / 1e6, 'f', 1));
            state->longestNs = 0;
        }
    });
    ticks->start();
}

} // namespace LoopGapProbe
