#include "iso1999/model.h"

#include <cmath>

#include "iso1999/tables.h"

double QuantileFactor(double fractile)
{
    double percent = std::floor(fractile * 100.0 + 0.5);
    if (!(percent >= 5.0))  // also NaN
        percent = 5.0;
    if (percent > 95.0)
        percent = 95.0;
    return QuantileFactorTable[(int)percent - 5];
}

static const NiptsRow* FindNiptsRow(int frequency)
{
    for (int i = 0; i < kNiptsRows; ++i)
        if (NiptsTable[i].frequency == frequency)
            return &NiptsTable[i];
    return nullptr;
}

static const HtlaRow* FindHtlaRow(int sex, int frequency)
{
    const HtlaRow* table = sex == 1 ? HtlaTableMen : sex == 2 ? HtlaTableWomen : nullptr;
    if (!table)
        return nullptr;
    for (int i = 0; i < kHtlaRows; ++i)
        if (table[i].frequency == frequency)
            return &table[i];
    return nullptr;
}

NiptsTerms NiptsTermsOf(const Iso1999Input& record)
{
    NiptsTerms terms = {0.0, 0.0, 0.0};
    const NiptsRow* row = FindNiptsRow(record.frequency);
    double t = record.years;
    // No exposure time means no shift (and no logarithm of zero).
    if (!row || !(record.level > row->l0) || !(t > 0.0) || !std::isfinite(t))
        return terms;

    double excess = record.level - row->l0;
    double d = excess * excess;
    // Below 10 years every fractile is its 10-year value scaled by
    // log10(t + 1) / log10 11 (ISO 1999): the spreads taken at the real t
    // would give the upper fractiles a negative shift and put the fractiles
    // out of order below one year.
    double logT = t >= 10.0 ? std::log10(t) : 1.0;
    double scale = t >= 10.0 ? 1.0 : std::log10(t + 1.0) / std::log10(11.0);
    terms.median = (row->u + row->v * logT) * d * scale;
    terms.upper = (row->xu + row->yu * logT) * d * scale;
    terms.lower = (row->xl + row->yl * logT) * d * scale;
    return terms;
}

HtlaTerms HtlaTermsOf(const Iso1999Input& record)
{
    HtlaTerms terms = {0.0, 0.0, 0.0};
    const HtlaRow* row = FindHtlaRow(record.sex, record.frequency);
    if (!row)
        return terms;
    if (record.age > 18.0) {
        double years = record.age - 18.0;
        terms.median = row->a * years * years;
    }
    terms.upper = row->bu + 0.445 * terms.median;
    terms.lower = row->bl + 0.356 * terms.median;
    return terms;
}

double NiptsAt(const NiptsTerms& terms, double fractile)
{
    double k = QuantileFactor(fractile);
    return fractile < 0.5 ? terms.median + k * terms.upper : terms.median - k * terms.lower;
}

double HtlaAt(const HtlaTerms& terms, double fractile)
{
    double k = QuantileFactor(fractile);
    return fractile < 0.5 ? terms.median + k * terms.upper : terms.median - k * terms.lower;
}

double CombineAnipts(double nipts, double htla)
{
    return nipts * (1.0 + htla * (-1.0 / 120.0));
}

double CombineHtlan(double nipts, double htla)
{
    return htla + CombineAnipts(nipts, htla);
}

double ComputeNipts(const Iso1999Input& record)
{
    return NiptsAt(NiptsTermsOf(record), record.fractile);
}

double ComputeHtla(const Iso1999Input& record)
{
    return HtlaAt(HtlaTermsOf(record), record.fractile);
}

double ComputeAnipts(const Iso1999Input& record)
{
    return CombineAnipts(ComputeNipts(record), ComputeHtla(record));
}

double ComputeHtlan(const Iso1999Input& record)
{
    return CombineHtlan(ComputeNipts(record), ComputeHtla(record));
}

double EvaluateQuantity(int quantity, Iso1999Input* record, double fractile, int frequency)
{
    record->fractile = fractile;
    record->frequency = frequency;
    switch (quantity) {
    case kQuantityNipts: return ComputeNipts(*record);
    case kQuantityHtla: return ComputeHtla(*record);
    case kQuantityHtlan: return ComputeHtlan(*record);
    case kQuantityAnipts: return ComputeAnipts(*record);
    default: return 0.0;
    }
}
