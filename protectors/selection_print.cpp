#include <string>
#include <vector>

#include "framework/printing.h"
#include "protectors/selection.h"
#include "protectors/selection_wizard.h"

void PrintProtectorSelection()
{
    const ProtectorSelection& selection = g_protectorSelection;
    TextPrintout print;
    if (!BeginTextPrintout(&print, "Scelta dell'otoprotettore (DPI)", 500))
        return;
    for (const std::string& line : SelectionPrintLines(selection)) {
        PrintAt(&print, 0, line.c_str());
        if (!NextPrintLine(&print))
            return;
    }
    // The notes start four rows below the verdict, the frame adds three.
    EndTextPrintout(&print, selection.notes);
}
