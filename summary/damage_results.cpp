// The audiometric damage ".ilg", read as its calculator loads it and
// computed as it computes.

#include <cstdio>
#include <vector>

#include "damage/damage_tables.h"
#include "summary/file_reading.h"

void SummariseDamage(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>* results)
{
    int tableNumber = file.Int("FONEXA", "TABELLA", 1);
    DamageTableId table = tableNumber == 1   ? kDamageTableNew
                          : tableNumber == 2 ? kDamageTableOld
                                             : kDamageTableBiological;
    CombineFormula formula = file.Int("FONEXA", "INDUS", 1) == 1 ? kCombineIndustria : kCombineAgricoltura;
    bool symmetric = file.Int("FONEXA", "SIMM", 1) != 0;
    // A symmetric file has no right ear: the left one stands for both.
    EarLosses left = {}, right = {};
    for (int k = 0; k < kEarFrequencies; ++k) {
        char key[16];
        snprintf(key, sizeof key, "%d", kEarFrequencyHz[k]);
        left.db[k] = FieldNumber(FieldText(file, "SX", key));
        if (!symmetric)
            right.db[k] = FieldNumber(FieldText(file, "DX", key));
    }
    double damage = CombineEarDamage(left, right, table, formula, symmetric);
    summary->quantity = "Danno (%)";
    summary->value = ShownNumber("%4.0f", damage);
    summary->details = std::string("Tabella ") + DamageTableName(table);
    if (!symmetric && table != kDamageTableBiological)
        summary->details += formula == kCombineAgricoltura ? ", Agricoltura" : ", Industria";
    AddResult(results, "FONEXA", "ILG", summary->value);
}
