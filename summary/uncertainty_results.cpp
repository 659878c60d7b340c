// ".lin" files: the tasks read with the calculator's own key layout and
// assessed as the uncertainty calculator assesses them. The file stores no
// results, so nothing can be stale.

#include "exposure/task_uncertainty.h"
#include "exposure/task_uncertainty_file.h"
#include "summary/file_reading.h"

void SummariseUncertainty(const ProfileText& file, FileSummary* summary, std::vector<StoredResult>*)
{
    LinKeyReader read;
    read.value = [&file](const char* section, const char* key, size_t capacity) {
        return file.Value(section, key, capacity);
    };
    read.numbered = [&file](const char* section, int last) { return file.NumberedKeys(section, last); };
    UncertaintyTexts texts;
    ReadLinTexts(read, &texts);
    UncertaintyAssessment a = AssessUncertainty(texts);
    if (a.check.problem != kInputsComplete) {
        summary->status = kSummaryInvalidValues;
        return;
    }
    summary->quantity = "Lex,8h (dBA)";
    summary->value = OneDecimal(a.outcome.lex);
    summary->details = "U = " + OneDecimal(a.outcome.expanded) + " dB, Lex,8h + U = " + OneDecimal(a.cautious) +
                       " dBA (" + ClassRangeText(a.cautiousClass, false) + ")";
    if (a.peak.valid)
        summary->details += ", Lpicco,C = " + OneDecimal(a.peak.level) + " dBC (" +
                            ClassRangeText(a.peakClass, true) + ")";
    summary->exposureClass = a.lexClass;
}
