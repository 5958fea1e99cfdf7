#include "station/RadioBands.h"

#include "contest/BandLabels.h"

#include <array>
#include <cmath>

namespace RadioBands {

Segment segment(int band)
{
    // MHz, in the order of the band labels.
    static constexpr std::array<std::pair<double, double>, 15> Mhz{{{50, 54},
                                                                    {70, 70.5},
                                                                    {144, 146},
                                                                    {430, 440},
                                                                    {1240, 1300},
                                                                    {2300, 2450},
                                                                    {3400, 3475},
                                                                    {5650, 5850},
                                                                    {10000, 10500},
                                                                    {24000, 24250},
                                                                    {47000, 47200},
                                                                    {75500, 81000},
                                                                    {122250, 123000},
                                                                    {134000, 149000},
                                                                    {241000, 250000}}};
    if (band < 1 || band > int(Mhz.size()))
        return {};
    const auto &[low, high] = Mhz[size_t(band - 1)];
    return {qint64(std::llround(low * 1e6)), qint64(std::llround(high * 1e6))};
}

qint64 oscillatorHz(const QString &transOscKhz)
{
    bool ok = false;
    const double khz = transOscKhz.trimmed().toDouble(&ok);
    // Beyond a few THz nothing is a transverter; such a text is a typing error.
    if (!ok || !std::isfinite(khz) || std::fabs(khz) > 1e9)
        return 0;
    return qint64(std::llround(khz * 1000.0));
}

QString bandFor(qint64 radioHz, const QList<StoredBand> &stored, const QString &shown)
{
    if (radioHz <= 0)
        return {};
    int firstBand = 0;
    QString first;
    for (const StoredBand &b : stored) {
        const int k = BandLabels::number(b.label);
        if (k == 0)
            continue;
        const Segment s = segment(k);
        const qint64 onAir = radioHz + oscillatorHz(b.transOscKhz);
        if (onAir < s.lowHz || onAir > s.highHz)
            continue;
        if (b.label == shown)
            return shown;
        if (firstBand == 0 || k < firstBand) {
            firstBand = k;
            first = b.label;
        }
    }
    return first;
}

QString logMode(const QString &hamlibMode)
{
    const QString m = hamlibMode.trimmed().toUpper();
    if (m == QLatin1String("CW") || m == QLatin1String("CWR"))
        return QStringLiteral("CW");
    if (m == QLatin1String("USB") || m == QLatin1String("LSB"))
        return QStringLiteral("SSB");
    if (m == QLatin1String("FM") || m == QLatin1String("FMN"))
        return QStringLiteral("FM");
    if (m == QLatin1String("AM"))
        return QStringLiteral("AM");
    return {};
}

}
