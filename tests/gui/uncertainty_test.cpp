// "Incertezza e classe" walked through as a user does: the welders' day of
// ISO 9612 annex D entered task by task (Lex,8h 84.3 dB, U 3.2 dB with a
// class 2 meter), its classes, the report, the printout, a ".lin" file saved
// and opened again through the main window's ninth filter and by a drop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exposure/task_uncertainty_state.h"
#include "framework/help.h"
#include "resources/resource.h"
#include "tests/gui/harness.h"
#include "tests/gui/printed_text.h"
#include "tests/gui/spectra_steps.h"

using gui::Window;
using namespace spectra_steps;

namespace {

const char kTitle[] = "Incertezza e classe";

void AddTask(const Window& calculator, const std::string& name, const std::string& hours,
             const std::string& u1b, const std::string& samples)
{
    calculator.Click(IDC_LIN_ADD);
    Window entry = gui::WaitWindow("Aggiungi");
    SetFields(entry, IDC_TASK_NAME, {name, hours, u1b, samples});
    entry.Click(IDOK);
    gui::WaitGone(entry);
}

// What the user sees of the results, row by row and field by field.
std::vector<std::string> Shown(const Window& c)
{
    std::vector<std::string> shown;
    for (int row = 0; row < c.ListCount(IDC_LIN_LIST); ++row)
        for (int column = 0; column < 8; ++column)
            shown.push_back(c.ListCell(IDC_LIN_LIST, row, column));
    for (int id = IDC_LIN_NOTE; id <= IDC_LIN_DUTIES; ++id)
        if (id != IDC_LIN_CLASS1 && id != IDC_LIN_CLASS2)
            shown.push_back(c.Text(id));
    shown.push_back(IsDlgButtonChecked(c.hwnd(), IDC_LIN_CLASS2) == BST_CHECKED ? "2" : "1");
    shown.push_back(c.Text(IDC_NOTES));
    return shown;
}

TEST(Uncertainty, WelderDayEnteredSavedAndReopened)
{
    ResetUncertaintyMemory();
    gui::ClearMessageBoxes();
    const std::string path = gui::TempFolder() + "\\saldatori.lin";
    std::vector<std::string> before;
    gui::RunScript([&] {
        gui::MainCommand(IDM_UNCERTAINTY);
        Window c = gui::WaitWindow(kTitle);
        EXPECT_EQ(c.Text(IDC_STATUS_BAR), "Nessun file selezionato");
        EXPECT_EQ(TooltipOf(c, IDC_LIN_PEAK), "Livello di picco ponderato C più alto misurato, in dB(C)");
        EXPECT_EQ(HelpTopicOf(c, IDC_LIN_PEAK), ControlTopic(IDC_LIN_PEAK, 650));

        // Two samples are refused, naming the task; the third one is added.
        c.Click(IDC_LIN_ADD);
        Window entry = gui::WaitWindow("Aggiungi");
        SetFields(entry, IDC_TASK_NAME, {"Saldatura", "5", "1", "80.1\r\n82.2"});
        entry.Click(IDOK);
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.BoxText(), "Il compito \"Saldatura\" ha 2 campioni: ne servono almeno 3.");
        box.Answer(IDOK);
        entry.SetText(IDC_TASK_SAMPLES, "80.1\r\n82.2\r\n\r\n  79.6 \r\n");
        entry.Click(IDOK);
        gui::WaitGone(entry);
        AddTask(c, "Riunioni e pause", "1.5", "0", "70\r\n70.0\r\n70 dB");
        AddTask(c, "Taglio e molatura", "1.5", "0.5", "86.5\r\n92.4\r\n89.3\r\n93.2\r\n87.8\r\n86.2");
        HWND class2 = c.Item(IDC_LIN_CLASS2);
        gui::Perform([class2] { SendMessageA(class2, BM_CLICK, 0, 0); });
        c.Type(IDC_LIN_PEAK, "128");
        c.SetText(IDC_NOTES, "Linea 2, turno A");

        EXPECT_EQ(c.ListCell(IDC_LIN_LIST, 0, 3), "3");
        EXPECT_EQ(c.ListCell(IDC_LIN_LIST, 0, 4), "80.8");
        EXPECT_EQ(c.ListCell(IDC_LIN_LIST, 2, 5), "82.8");
        EXPECT_EQ(c.ListCell(IDC_LIN_LIST, 2, 7), "91");
        EXPECT_EQ(c.Text(IDC_LIN_LEX), "84.3");
        EXPECT_EQ(c.Text(IDC_LIN_U), "2.0");
        EXPECT_EQ(c.Text(IDC_LIN_EXPANDED), "3.2");
        EXPECT_EQ(c.Text(IDC_LIN_CAUTIOUS), "87.5");
        EXPECT_EQ(c.Text(IDC_LIN_LEX_CLASS), "Valore inferiore di azione");
        EXPECT_EQ(c.Text(IDC_LIN_CAUTIOUS_CLASS), "Valore limite di esposizione");
        EXPECT_EQ(c.Text(IDC_LIN_PEAK_CLASS), "Inferiore ai valori di azione");
        EXPECT_NE(c.Text(IDC_LIN_DUTIES).find("  art. 196, c. 2: Sorveglianza sanitaria su richiesta"),
                  std::string::npos);

        c.Command(IDM_COPY);
        std::string report = gui::ClipboardCsv();
        for (const char* line : {"Saldatura;5;1;80,8;78,7;0,8;9;80,1;82,2;79,6\r\n",
                                 "Lex,8h + U (dBA):;;87,5\r\n", "Classe di Lex,8h:;;Valore inferiore di azione\r\n",
                                 ";art. 195;Informazione e formazione dei lavoratori sui rischi del rumore\r\n"})
            EXPECT_NE(report.find(line), std::string::npos) << line;

        gui::ForgetPrintJob();
        c.Command(IDM_CALC_PRINT);
        std::string printed = gui::PrintedText();
        EXPECT_NE(printed.find("Lex,8h + U = 87.5 dB(A): Valore limite di esposizione"), std::string::npos);

        SaveDataFileAs(c, path);
        EXPECT_EQ(c.Text(IDC_STATUS_BAR), path);
        before = Shown(c);
        c.Close();
        gui::WaitGone(c);
    });
    std::vector<std::string> lines = gui::FileLines(path);
    for (const char* line : {"Tipo=LIN", "CLASSE=2", "PICCO=128", "[COMPITO2]", "NOME=Riunioni e pause", "3=70 dB"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;

    ResetUncertaintyMemory();
    gui::RunScript([&] {
        gui::MainCommand(IDM_OPEN);
        Window chooser = gui::WaitWindow("Apri");
        gui::ChooseFileFilter(chooser, 9);
        gui::AnswerFileDialog(chooser, path);
        Window c = gui::WaitWindow(kTitle);
        EXPECT_EQ(Shown(c), before);
        c.Close();
        gui::WaitGone(c);

        ResetUncertaintyMemory();
        gui::DropFiles(Window(gui::MainWindow()), {path});
        c = gui::WaitWindow(kTitle);
        EXPECT_EQ(Shown(c), before);
        c.Close();
        gui::WaitGone(c);
    });
    EXPECT_EQ(gui::MessageBoxes().size(), 1u);
}

}  // namespace
