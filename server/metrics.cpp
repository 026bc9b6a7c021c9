#include "server/metrics.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QVarLengthArray>

namespace {

// The label text, {a="x",b="y"}, into `text` (kept on the stack while short).
template<typename Text>
void labelText(const Metrics::Labels &labels, Text &text)
{
    if (labels.isEmpty())
        return;
    text.append('{');
    for (const auto &[name, value] : labels) {
        if (text.size() > 1)
            text.append(',');
        text.append(name.data(), name.size());
        text.append("=\"", 2);
        for (const char c : value) {
            if (c == '\\' || c == '"')
                text.append('\\');
            if (c == '\n')
                text.append("\\n", 2);
            else
                text.append(c);
        }
        text.append('"');
    }
    text.append('}');
}

QByteArray number(double value)
{
    if (std::isinf(value))
        return value > 0 ? "+Inf" : "-Inf";
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QByteArray::number(qint64(value));
    return QByteArray::number(value, 'g', 12);
}

// `labels` (a label text or empty) with one more label at the end.
QByteArray withLabel(const QByteArray &labels, const QByteArray &extra)
{
    if (labels.isEmpty())
        return '{' + extra + '}';
    return labels.first(labels.size() - 1) + ',' + extra + '}';
}

// The upper bounds of every histogram's buckets, in seconds.
constexpr std::array<double, 14> bounds{0.0005, 0.001, 0.0025, 0.005, 0.01, 0.025, 0.05, 0.1, 0.25, 0.5, 1, 2.5, 5, 10};

} // namespace

void Metrics::describe(QLatin1StringView name, Type type, QLatin1StringView help)
{
    Family &family = m_families[QByteArray(name.data(), name.size())];
    family.type = type;
    family.help = QByteArray(help.data(), help.size());
}

Metrics::Series &Metrics::series(QLatin1StringView name, const Labels &labels)
{
    // Found without building a key on the heap: only a new series stores one.
    const QByteArrayView nameView(name.data(), name.size());
    auto familyAt = m_families.find(nameView);
    if (familyAt == m_families.end())
        familyAt = m_families.emplace(nameView.toByteArray(), Family{}).first;
    Family &family = familyAt->second;
    QVarLengthArray<char, 128> text;
    labelText(labels, text);
    const QByteArrayView key(text.constData(), text.size());
    auto seriesAt = family.series.find(key);
    if (seriesAt == family.series.end())
        seriesAt = family.series.emplace(key.toByteArray(), Series{}).first;
    Series &series = seriesAt->second;
    if (family.type == Type::histogram && series.buckets.empty())
        series.buckets.resize(bounds.size());
    return series;
}

void Metrics::add(QLatin1StringView name, const Labels &labels, double amount)
{
    series(name, labels).value += amount;
}

void Metrics::set(QLatin1StringView name, const Labels &labels, double value)
{
    series(name, labels).value = value;
}

void Metrics::observe(QLatin1StringView name, const Labels &labels, double seconds)
{
    Series &one = series(name, labels);
    for (size_t i = std::lower_bound(bounds.begin(), bounds.end(), seconds) - bounds.begin(); i < bounds.size(); ++i)
        ++one.buckets[i];
    ++one.count;
    one.value += seconds;
}

QByteArray Metrics::text() const
{
    static const char *const typeNames[] = {"counter", "gauge", "histogram"};
    QByteArray text;
    for (const auto &[name, family] : m_families) {
        text += "# HELP " + name + ' ' + family.help + '\n';
        text += "# TYPE " + name + ' ' + typeNames[int(family.type)] + '\n';
        for (const auto &[labels, one] : family.series) {
            if (family.type != Type::histogram) {
                text += name + labels + ' ' + number(one.value) + '\n';
                continue;
            }
            for (size_t i = 0; i < bounds.size(); ++i)
                text += name + "_bucket" + withLabel(labels, "le=\"" + number(bounds[i]) + '"') + ' '
                        + number(double(one.buckets[i])) + '\n';
            text += name + "_bucket" + withLabel(labels, "le=\"+Inf\"") + ' ' + number(double(one.count)) + '\n';
            text += name + "_sum" + labels + ' ' + number(one.value) + '\n';
            text += name + "_count" + labels + ' ' + number(double(one.count)) + '\n';
        }
    }
    return text;
}
