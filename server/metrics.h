#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QPair>

#include <map>
#include <vector>

// The numbers of one backend process, written out in the Prometheus text
// exposition format (0.0.4). Counters and gauges are plain numbers;
// histograms share one set of buckets from half a millisecond to ten seconds.
// Label values are chosen by the code from small fixed sets (routes, status
// codes, Google's APIs, cache names): nothing a request carries, no token and
// no user, ever becomes a label.
class Metrics
{
public:
    enum class Type { counter, gauge, histogram };
    using Labels = QList<QPair<QLatin1StringView, QByteArray>>;

    // Each metric is described once before it is used.
    void describe(QLatin1StringView name, Type type, QLatin1StringView help);

    void add(QLatin1StringView name, const Labels &labels = {}, double amount = 1);
    void set(QLatin1StringView name, const Labels &labels, double value);
    void observe(QLatin1StringView name, const Labels &labels, double seconds);

    QByteArray text() const;

private:
    struct Series
    {
        double value = 0; // counters and gauges; the sum of a histogram
        std::vector<quint64> buckets; // histograms: observations at or below each bound
        quint64 count = 0;
    };
    struct Family
    {
        Type type = Type::counter;
        QByteArray help;
        std::map<QByteArray, Series, std::less<>> series; // by label text, {a="x",b="y"}
    };

    Series &series(QLatin1StringView name, const Labels &labels);

    std::map<QByteArray, Family, std::less<>> m_families;
};
