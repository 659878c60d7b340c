#pragma once
// Printing a range of characters page by page, for a layout engine that
// tells after each page where it got to. Portable: the engine is a function.

// Prints one page starting at character first; returns the first character
// not printed, or a negative number when the page could not be printed.
typedef long (*PrintPageFunction)(void* context, long first);

enum PageLoopEnd {
    kPagesDone,    // the end of the range was reached
    kPageFailed,   // the printer refused a page
    kPageStuck,    // a page printed nothing: the rest cannot be laid out
};

struct PageLoopResult {
    PageLoopEnd end;
    int pages;
};

// Pages from `from` until `to` is reached; at least one page is printed.
PageLoopResult PrintPages(long from, long to, PrintPageFunction printPage, void* context);
