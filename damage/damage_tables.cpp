#include "damage/damage_tables.h"

#include <cstddef>

const int kEarFrequencyHz[kEarFrequencies] = {500, 1000, 2000, 3000, 4000, 6000};

// A row: the loss threshold in dB, then the damage points at 500, 1000,
// 2000, 3000 and 4000 Hz. The values are the published ones (2.77, not 25/9).
struct DamageRow {
    double threshold;
    double points[5];
};

static const DamageRow kNewTable[10] = {
    {25, {0, 0, 0, 0, 0}},
    {30, {1.25, 1.25, 1.75, 0.5, 0.25}},
    {35, {6.25, 6.25, 8.75, 1.5, 0.75}},
    {40, {11.25, 11.25, 15.75, 3, 1.5}},
    {45, {16.25, 16.25, 22.75, 5.5, 2.75}},
    {50, {18.75, 18.75, 26.25, 7.5, 3.75}},
    {55, {21.25, 21.25, 29.75, 8.5, 4.25}},
    {60, {22.5, 22.5, 31.5, 9, 4.5}},
    {65, {23.75, 23.75, 33.25, 9.5, 4.75}},
    {70, {25, 25, 35, 10, 5}},
};

// The 3000 Hz column is zero and never read.
static const DamageRow kOldTable[10] = {
    {20, {0, 0, 0, 0, 0}},
    {25, {2.77, 3.33, 4.44, 0, 0.55}},
    {30, {5.55, 6.66, 8.88, 0, 1.11}},
    {35, {8.33, 10, 13.33, 0, 1.66}},
    {40, {11.11, 13.33, 17.77, 0, 2.22}},
    {45, {13.88, 16.66, 22.22, 0, 2.77}},
    {50, {16.66, 20, 26.66, 0, 3.33}},
    {55, {19.44, 23.33, 31.11, 0, 3.88}},
    {60, {22.22, 26.66, 35.55, 0, 4.44}},
    {65, {25, 30, 40, 0, 5}},
};

static const DamageRow kBiologicalTable[14] = {
    {25, {0, 0, 0, 0, 0}},
    {30, {1.25, 1.5, 1.75, 0.4, 0.1}},
    {35, {2.5, 3, 3.5, 0.8, 0.2}},
    {40, {5, 6, 7, 1.6, 0.4}},
    {45, {7.5, 9, 10.5, 2.4, 0.6}},
    {50, {11.25, 13.5, 15.75, 3.6, 0.9}},
    {55, {15, 18, 21, 4.8, 1.2}},
    {60, {17.5, 21, 24.5, 5.6, 1.4}},
    {65, {18.75, 22.5, 26.25, 6, 1.5}},
    {70, {20, 24, 28, 6.4, 1.6}},
    {75, {21.25, 25.5, 29.75, 6.8, 1.7}},
    {80, {22.5, 27, 31.5, 7.2, 1.8}},
    {85, {23.75, 28.5, 33.25, 7.6, 1.9}},
    {90, {25, 30, 35, 8, 2}},
};

static int ColumnOf(int frequency)
{
    switch (frequency) {
    case 500: return 0;
    case 1000: return 1;
    case 2000: return 2;
    case 3000: return 3;
    case 4000: return 4;
    default: return -1;
    }
}

double TableDamage(double loss, int frequency, DamageTableId table)
{
    const DamageRow* rows;
    size_t count;
    switch (table) {
    case kDamageTableNew: rows = kNewTable; count = 10; break;
    case kDamageTableOld: rows = kOldTable; count = 10; break;
    case kDamageTableBiological: rows = kBiologicalTable; count = 14; break;
    default: return 0.0;
    }
    int column = ColumnOf(frequency);
    if (column < 0)
        return 0.0;

    size_t below = 0;
    while (below < count && rows[below].threshold < loss)
        ++below;
    if (below == 0)
        return 0.0;
    if (below == count)
        return rows[count - 1].points[column];
    double x0 = rows[below - 1].threshold, y0 = rows[below - 1].points[column];
    double x1 = rows[below].threshold, y1 = rows[below].points[column];
    double slope = (y1 - y0) / (x1 - x0);
    return slope * (loss - x0) + y0;
}

bool HasNotch(const EarLosses& ear)
{
    return ear.db[4] - ear.db[2] > 40.0;
}

double ComputeEarDamage(const EarLosses& ear, DamageTableId table)
{
    double sum = TableDamage(ear.db[0], 500, table);
    sum += TableDamage(ear.db[1], 1000, table);
    sum += TableDamage(ear.db[2], 2000, table);
    if (table != kDamageTableOld)
        sum += TableDamage(ear.db[3], 3000, table);
    sum += TableDamage(ear.db[4], 4000, table);

    switch (table) {
    case kDamageTableNew:
        return 0.6 * sum;
    case kDamageTableOld:
        return 0.6 * sum + (HasNotch(ear) ? 4.0 : 0.0);
    case kDamageTableBiological:
        return 0.5 * sum;
    default:
        return 0.0;
    }
}

double CombineEarDamage(const EarLosses& left, const EarLosses& right, DamageTableId table,
                        CombineFormula formula, bool symmetric)
{
    double leftDamage = ComputeEarDamage(left, table);
    if (symmetric)
        return leftDamage;
    double rightDamage = ComputeEarDamage(right, table);

    // With the old table the notch bonus is counted once, on the combined
    // value, when both ears have it; an ear notched alone keeps it and the
    // other ear gives up 4.
    bool bothNotched = false;
    if (table == kDamageTableOld) {
        bool leftNotch = HasNotch(left);
        bool rightNotch = HasNotch(right);
        if (rightNotch)
            leftDamage -= 4.0;
        if (leftNotch)
            rightDamage -= 4.0;
        bothNotched = leftNotch && rightNotch;
    }

    double lo = leftDamage < rightDamage ? leftDamage : rightDamage;
    double hi = leftDamage < rightDamage ? rightDamage : leftDamage;
    double damage;
    if (table == kDamageTableBiological)
        damage = lo == 0.0 ? 0.24 * hi : (4.0 * lo + hi) * 0.2;
    else if (formula == kCombineAgricoltura)
        damage = (2.0 * lo + hi) * 0.3333333333333333;
    else
        damage = (3.0 * lo + hi) * 0.25;
    if (bothNotched)
        damage += 4.0;
    return damage;
}

const char* DamageTableName(DamageTableId table)
{
    switch (table) {
    case kDamageTableOld: return "Vecchia";
    case kDamageTableBiological: return "Biologico";
    default: return "Nuova";
    }
}
