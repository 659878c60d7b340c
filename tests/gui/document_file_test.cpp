// The report document's ".fnx" file, its printout and the questions asked
// before a modified document is replaced, through the main window's
// commands, drops and dialogs.

#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "shell/dispatch.h"
#include "shell/document_commands.h"
#include "shell/main_state.h"
#include "tests/gui/document_steps.h"
#include "tests/gui/printed_text.h"

using gui::Window;
using namespace docsteps;

namespace {

const char kText[] = "Livello 85 dB(A)\r\nLavoratore";
const char kLocked[] = "File bloccato da un'altra applicazione. Impossibile salvare!";
const char kCannotOpen[] = "File bloccato da un'altra applicazione. Impossibile aprire!";

class DocumentFile : public testing::Test {
protected:
    void SetUp() override
    {
        Reset("");
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    void TearDown() override { Reset(""); }

    std::string folder_;
};

void SaveAs(const std::string& path)
{
    gui::MainCommand(IDM_SAVE_AS);
    Window dialog = gui::WaitWindow("Salvataggio file di dati");
    gui::AnswerFileDialog(dialog, path);
    gui::WaitGone(dialog);
}

void Drop(const std::string& path)
{
    gui::DropFiles(Window(gui::MainWindow()), {path});
    gui::Settle();
}

// "&Apri..." with the "Documento di Fonexa" filter.
void OpenThroughDialog(const std::string& path)
{
    gui::MainCommand(IDM_OPEN);
    Window dialog = gui::WaitWindow("Apri");
    gui::ChooseFileFilter(dialog, 8);
    gui::AnswerFileDialog(dialog, path);
    gui::WaitGone(dialog);
}

void Answer(const char* text, int button)
{
    Window box = gui::WaitMessageBox();
    EXPECT_EQ(box.BoxText(), text);
    box.Answer(button);
}

void SetModifiedText(const char* text)
{
    SetWindowTextA(Document(), text);
    SendMessageA(Document(), EM_SETMODIFY, TRUE, 0);
}

TEST_F(DocumentFile, SavedNewAndReopenedKeepsTextAndFormats)
{
    Reset(kText);
    Select(0, 7);
    Command(IDM_FMT_COLOR_FIRST + 9);  // "Rosso"
    Select(8, 10);
    Command(IDM_FMT_BOLD);
    Command(IDM_FMT_SUPERSCRIPT);
    Select(20, 22);
    Command(IDM_FMT_ALIGN_CENTER);
    Command(IDM_FMT_UNDERLINE);
    ASSERT_TRUE(Modified());
    std::string path = folder_ + "\\relazione.fnx";

    gui::RunScript([&] { SaveAs(path); });
    EXPECT_EQ(gui::ReadFile(path).compare(0, 5, "{\\rtf"), 0);
    EXPECT_FALSE(Modified());
    EXPECT_EQ(StatusText(), path);

    gui::RunScript([] { gui::MainCommand(IDM_DOCUMENT); });
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(StatusText(), "Nessun file selezionato");

    gui::RunScript([&] { Drop(path); });
    EXPECT_EQ(Text(), kText);
    EXPECT_EQ(StatusText(), path);
    EXPECT_FALSE(Modified());
    EXPECT_EQ(CharFormatAt(0, 7).crTextColor, RGB(255, 0, 0));
    EXPECT_TRUE(CharFormatAt(8, 10).dwEffects & CFE_BOLD);
    // Wine's rich-text writer keeps the superscript's height, not its raise.
    EXPECT_EQ(CharFormatAt(8, 10).yHeight, 150);
    EXPECT_FALSE(CharFormatAt(0, 7).dwEffects & CFE_BOLD);
    EXPECT_TRUE(CharFormatAt(20, 22).dwEffects & CFE_UNDERLINE);
    Select(20, 20);
    EXPECT_EQ(ParaFormat().wAlignment, PFA_CENTER);
    Select(2, 2);
    EXPECT_EQ(ParaFormat().wAlignment, PFA_LEFT);

    // "&Salva" writes to the same file without asking.
    Select(0, 0);
    SendMessageA(Document(), EM_REPLACESEL, TRUE, (LPARAM)"Rivisto: ");
    gui::RunScript([] { gui::MainCommand(IDM_SAVE); });
    EXPECT_TRUE(gui::MessageBoxes().empty());
    EXPECT_FALSE(Modified());
    Reset("");
    gui::RunScript([&] { OpenThroughDialog(path); });
    EXPECT_EQ(Text(), std::string("Rivisto: ") + kText);
    EXPECT_EQ(StatusText(), path);
}

TEST_F(DocumentFile, SaveAsKeepsAskingUntilADocumentNameIsGiven)
{
    Reset(kText);
    SendMessageA(Document(), EM_SETMODIFY, TRUE, 0);
    gui::RunScript([&] {
        gui::MainCommand(IDM_SAVE);  // no file yet: the save dialog
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        gui::AnswerFileDialog(dialog, folder_ + "\\relazione.txt");
        gui::WaitGone(dialog);
        dialog = gui::WaitWindow("Salvataggio file di dati");
        gui::AnswerFileDialog(dialog, folder_ + "\\relazione");  // the dialog adds ".fnx"
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(GetFileAttributesA((folder_ + "\\relazione.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(gui::ReadFile(folder_ + "\\relazione.fnx").compare(0, 5, "{\\rtf"), 0);
    EXPECT_EQ(StatusText(), folder_ + "\\relazione.fnx");
    EXPECT_FALSE(Modified());
}

TEST_F(DocumentFile, FileHeldByAnotherProgramIsNeitherSavedNorOpened)
{
    std::string path = folder_ + "\\bloccato.fnx";
    Reset(kText);
    gui::RunScript([&] { SaveAs(path); });
    std::string saved = gui::ReadFile(path);
    ASSERT_FALSE(saved.empty());

    SetModifiedText("Testo nuovo");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    gui::RunScript([&] {
        gui::MainCommand(IDM_SAVE);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), path);
        EXPECT_EQ(box.BoxText(), kLocked);
        box.Answer(IDOK);
    });
    EXPECT_TRUE(Modified());

    // Opening it is refused too, and the document stays as it is.
    gui::RunScript([&] {
        gui::Perform([&] { OpenByExtension(gui::MainWindow(), path.c_str()); });
        Answer("Il documento è stato modificato. Salvare le modifiche?", IDNO);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), path);
        EXPECT_EQ(box.BoxText(), kCannotOpen);
        box.Answer(IDOK);
    });
    CloseHandle(held);
    EXPECT_EQ(Text(), "Testo nuovo");
    EXPECT_TRUE(Modified());
    EXPECT_EQ(StatusText(), path);
    EXPECT_EQ(gui::ReadFile(path), saved);

    // A folder that does not exist: the same message, nothing written.
    std::string nowhere = folder_ + "\\manca\\relazione.fnx";
    gui::RunScript([&] {
        gui::Perform([&] { ExportReportDocument(gui::MainWindow(), nowhere.c_str()); });
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), nowhere);
        EXPECT_EQ(box.BoxText(), kLocked);
        box.Answer(IDOK);
    });
    EXPECT_TRUE(Modified());
    EXPECT_EQ(StatusText(), path);
}

TEST_F(DocumentFile, WhatIsNotARichTextDocumentIsNotOpened)
{
    std::string path = folder_ + "\\finto.fnx";
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\n");
    Reset(kText);
    gui::RunScript([&] {
        Drop(path);
        Answer(kCannotOpen, IDOK);
    });
    EXPECT_EQ(Text(), kText);
    EXPECT_EQ(StatusText(), "Nessun file selezionato");
}

TEST_F(DocumentFile, AModifiedDocumentIsOfferedForSavingBeforeAnotherOpens)
{
    std::string path = folder_ + "\\altro.fnx";
    Reset("Documento salvato");
    gui::RunScript([&] { SaveAs(path); });
    Reset("");

    // A drop asks, as "&Apri..." does: Cancel keeps the document.
    SetModifiedText("Bozza non salvata");
    gui::RunScript([&] {
        Drop(path);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Attenzione");
        EXPECT_EQ(box.BoxText(), "Il documento è stato modificato. Salvare le modifiche?");
        box.Answer(IDCANCEL);
    });
    EXPECT_EQ(Text(), "Bozza non salvata");
    EXPECT_TRUE(Modified());

    gui::RunScript([&] {
        OpenThroughDialog(path);
        Answer("Il documento è stato modificato. Salvare le modifiche?", IDCANCEL);
    });
    EXPECT_EQ(Text(), "Bozza non salvata");

    // Yes saves it first (here under a new name), then opens the other.
    std::string draft = folder_ + "\\bozza.fnx";
    gui::RunScript([&] {
        Drop(path);
        Answer("Il documento è stato modificato. Salvare le modifiche?", IDYES);
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        gui::AnswerFileDialog(dialog, draft);
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(Text(), "Documento salvato");
    EXPECT_EQ(StatusText(), path);
    EXPECT_NE(gui::ReadFile(draft).find("Bozza non salvata"), std::string::npos);

    // Yes, then cancelling the save dialog, opens nothing.
    Reset("");
    SetModifiedText("Seconda bozza");
    gui::RunScript([&] {
        Drop(draft);
        Answer("Il documento è stato modificato. Salvare le modifiche?", IDYES);
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        dialog.Command(IDCANCEL);
        gui::WaitGone(dialog);
    });
    EXPECT_EQ(Text(), "Seconda bozza");
    EXPECT_TRUE(Modified());
    EXPECT_EQ(StatusText(), "Nessun file selezionato");
}

TEST_F(DocumentFile, ClosingAModifiedDocumentYesThenCancelKeepsTheProgram)
{
    HWND main = gui::MainWindow();
    SetModifiedText("da salvare");
    gui::RunScript([main] {
        gui::Perform([main] { PostMessageA(main, WM_CLOSE, 0, 0); });
        Answer("Il documento è stato modificato. Salvare le modifiche?", IDYES);
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        dialog.Command(IDCANCEL);
        gui::WaitGone(dialog);
    });
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(Modified());
    EXPECT_NE(Document(), nullptr);
}

TEST_F(DocumentFile, ClosingFromAChartViewOffersTheDocumentNotTheChart)
{
    HWND main = gui::MainWindow();
    SetModifiedText("da salvare");
    g_main.viewState = kViewRisk;
    gui::RunScript([main] {
        gui::Perform([main] { PostMessageA(main, WM_CLOSE, 0, 0); });
        Answer("Il documento è stato modificato. Salvare le modifiche?", IDYES);
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        char filter[64] = "";
        SendMessageA(dialog.Item(cmb1), CB_GETLBTEXT, 0, (LPARAM)filter);
        EXPECT_STREQ(filter, "Documento di Fonexa (*.fnx)");
        dialog.Command(IDCANCEL);
        gui::WaitGone(dialog);
    });
    g_main.viewState = kViewDocument;
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(Modified());
}

// ---- Printing ----------------------------------------------------------------

std::string Printed()
{
    gui::ForgetPrintJob();
    gui::RunScript([] { gui::MainCommand(IDM_PRINT); });
    return gui::PrintedText();
}

TEST_F(DocumentFile, PrintsTheWholeDocumentOrOnlyTheSelection)
{
    Reset("Relazione tecnica\r\nPostazione\tLAeq\r\nTornio\t88,5");
    Select(3, 3);
    std::string text = Printed();
    EXPECT_NE(text.find("Relazione tecnica"), std::string::npos) << text;
    EXPECT_NE(text.find("Tornio"), std::string::npos) << text;
    // The tab becomes blanks on the same line.
    size_t tornio = text.find("Tornio");
    EXPECT_EQ(text.find_first_not_of(' ', tornio + 6), text.find("88,5")) << text;
    EXPECT_EQ(gui::PrintedPages(), 1);

    Select(19, 35);  // "Postazione\tLAeq\r\n" and no more
    text = Printed();
    EXPECT_NE(text.find("Postazione"), std::string::npos) << text;
    EXPECT_EQ(text.find("Relazione"), std::string::npos) << text;
    EXPECT_EQ(text.find("Tornio"), std::string::npos) << text;

    // A long line breaks at a blank within the page.
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "parola" + std::to_string(i) + " ";
    Reset(words);
    text = Printed();
    EXPECT_NE(text.find("parola0"), std::string::npos);
    EXPECT_NE(text.find("parola39"), std::string::npos);
    EXPECT_EQ(text.find("parola1"), text.find("parola1 "));  // never cut inside a word
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(DocumentFile, ALongSelectionPrintsOnAsManyPagesAsItNeeds)
{
    std::string lines;
    for (int i = 1; i <= 200; ++i)
        lines += "Riga " + std::to_string(i) + "\r\n";
    Reset(lines);
    Select(0, (LONG)lines.size());
    std::string text = Printed();
    EXPECT_GE(gui::PrintedPages(), 3);
    EXPECT_NE(text.find("Riga 1\n"), std::string::npos);
    EXPECT_NE(text.find("Riga 200"), std::string::npos);
}

TEST_F(DocumentFile, NoPrinterPrintsNothingAndSaysSo)
{
    Reset(kText);
    gui::ForgetPrintJob();
    {
        gui::NoDefaultPrinter noPrinter;
        gui::RunScript([] { gui::MainCommand(IDM_PRINT); gui::WaitMessageBox().Answer(IDOK); });
    }
    EXPECT_FALSE(gui::PrintJobExists());
    ASSERT_EQ(gui::MessageBoxes().size(), 1u);
    EXPECT_EQ(gui::MessageBoxes()[0].text, "Nessuna stampante predefinita: impossibile stampare.");
}

}  // namespace
