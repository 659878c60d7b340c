#pragma once
// What the tests' default printer (a Wine PostScript printer whose port is a
// file) received, turned back into text by ghostscript and poppler.

#include <string>

namespace gui {

// Deletes the last job, so that the next print is the only one.
void ForgetPrintJob();

// True when a job has been printed since the last ForgetPrintJob.
bool PrintJobExists();

// The text of the job laid out as on the page (pdftotext -layout); pages
// are separated by form feeds. "" when nothing was printed.
std::string PrintedText();

// The number of pages of the job (0 when nothing was printed).
int PrintedPages();

// Removes the default printer for the life of the object, then restores it.
class NoDefaultPrinter {
public:
    NoDefaultPrinter();
    ~NoDefaultPrinter();

private:
    std::string saved_;
};

}  // namespace gui
