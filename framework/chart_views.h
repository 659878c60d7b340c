#pragma once
// What a chart calculator gives the main window's chart views: for each of
// its three view kinds a painter, the text of its Visualizza item and the
// name of its print job; one table text producer for "Copia" and export; and
// the names of the curves that the popup menu and keys 1 to 7 choose from.

#include <windows.h>

#include "framework/printing.h"

// Writes the table view as lines of separated values into a 4096-byte block
// (list separator of up to 8 characters).
typedef void (*TableTextProducer)(char* buffer, const char* separator);

enum ViewKind {
    kKindTable = 0,   // "&Tabella" 1022
    kKindGraph = 1,   // item 1026
    kKindSecond = 2,  // item 1024, where the calculator has a third view
    kViewKinds = 3
};

enum { kCurveNameSize = 16 };

struct ChartViewKind {
    ViewPainter painter;   // nullptr: the calculator has no such view
    const char* menuText;  // "&Grafico"; nullptr: no Visualizza item
    const char* jobName;   // "Grafico"
};

struct ChartViewSet {
    ChartViewKind kinds[kViewKinds];
    TableTextProducer table;
    // The curves of a view kind, in the order of their pens (popup items 900
    // onwards, keys 1 to 7): writes their names and returns their number, 0
    // for a view that draws no curves.
    int (*curveNames)(int kind, char names[][kCurveNameSize]);
};
