#pragma once
// Printing on the system's default printer, without a print dialog: the text
// printout frame of the calculators, the chart printout with its comment,
// page set-up and the print-comment dialog "ADDNOTES".

#include <windows.h>

// Device context of the default printer, or nullptr when there is none.
HDC DefaultPrinterDC();

// Every print command asks this first: false, after telling the user
// "Nessuna stampante predefinita: impossibile stampare.", when there is no
// default printer to print on.
bool DefaultPrinterReady(HWND owner);

// Height to request for a printing font: the printer's default character
// height rounded to whole points, negative.
int PrinterFontHeight(HDC printer);

// (0, 0, horizontal resolution, vertical resolution), one unit a pixel.
void PageRect(HDC printer, RECT* page);

// The text printout of a calculator: lines from line 2, a second column at
// half the page width, a new page when the lines run out, the notes at the
// end.
struct TextPrintout {
    HDC dc;
    int pageWidth;
    int pageHeight;
    int lineHeight;
    int linesPerPage;
    int line;
    HFONT font;
    HGDIOBJ oldFont;
};

// Gets the printer, starts the job and its first page and selects "Courier
// New" of the weight. False (nothing to clean up) when there is no printer
// or the job or page is refused.
bool BeginTextPrintout(TextPrintout* print, const char* jobName, int weight);

// Writes text on the current line at x.
void PrintAt(TextPrintout* print, int x, const char* text);

// Advances one line, starting a new page when the page is full. False when
// the page break failed: the printout is then over (and cleaned up).
bool NextPrintLine(TextPrintout* print);

// Draws the notes word-wrapped from three lines below the current one (or at
// the top of a new page when they do not fit), ends the page and the job and
// frees everything.
void EndTextPrintout(TextPrintout* print, const char* notes);

// Draws notes word-wrapped over the full width from top; on a new page when
// they do not fit the rest of this one.
void PrintNotesFrom(TextPrintout* print, int top, const char* notes);

// The last comment confirmed in "ADDNOTES", kept for the whole run to fill
// the dialog the next time.
const char* PrintComment();
void SetPrintComment(const char* comment);

// Off only while a chart is printed on a printer of 2 colours or fewer.
bool ColourFlag();
void SetColourFlag(bool on);

typedef void (*ViewPainter)(HDC dc, const RECT* area);

// Prints a chart on one page with the comment (none when empty) in its bottom
// sixteenth.
bool PrintChart(const char* jobName, ViewPainter painter, const char* comment);

// The printer driver's own settings dialog for the default printer; false
// when the printer's settings could not be opened.
bool PageSetup(HWND owner);

enum { kPrintCommentSize = 1024 };

// "ADDNOTES": returns 1 to go on printing, 0 to cancel. comment (of
// kPrintCommentSize bytes) receives what this print carries: the edit's text
// after "&Ok", nothing after "No &Comment".
INT_PTR PrintCommentDialog(HWND owner, char* comment);
