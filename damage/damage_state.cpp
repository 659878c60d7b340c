#include "damage/damage_state.h"

const char* const kDamageFrequencyLabels[kEarFrequencies] = {"500",  "1000", "2000",
                                                             "3000", "4000", "6000"};

DamageMemory g_damageMemory = {
    {{0, 0, 0, 0, 0, 0}}, {{0, 0, 0, 0, 0, 0}}, kDamageTableNew, kCombineIndustria, 0, "", "", "", "",
};

void ForgetDamage()
{
    g_damageMemory = DamageMemory{
        {{0, 0, 0, 0, 0, 0}}, {{0, 0, 0, 0, 0, 0}}, kDamageTableNew, kCombineIndustria, 0, "", "", "", "",
    };
}
