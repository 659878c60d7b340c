#include "document/page_loop.h"

PageLoopResult PrintPages(long from, long to, PrintPageFunction printPage, void* context)
{
    PageLoopResult result = {kPagesDone, 0};
    long next = from;
    do {
        long after = printPage(context, next);
        if (after < 0) {
            result.end = kPageFailed;
            return result;
        }
        ++result.pages;
        if (after >= to)
            return result;
        // Without progress the same page would come out forever.
        if (after <= next) {
            result.end = kPageStuck;
            return result;
        }
        next = after;
    } while (next < to);
    return result;
}
