// What leaves and enters the main window: the Lep,d report pasted into the
// report document, the chart views saved as ".csv" and ".bmp" and copied as
// a bitmap, the bitmap pasted into the document, files dropped on the main
// window.

#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "framework/report_text.h"
#include "iso1999/shift.h"
#include "resources/resource.h"
#include "shell/bitmap_file.h"
#include "shell/chart_selection.h"
#include "shell/chart_view.h"
#include "shell/dispatch.h"
#include "shell/export.h"
#include "shell/main_state.h"
#include "tests/gui/document_steps.h"
#include "tests/gui/harness.h"
#include "tests/gui/lepd_steps.h"

using gui::Window;

namespace {

const char kUnsupported[] = "Il formato dei dati presenti nella Clipboard non è supportato da Fonexa";

HWND Main()
{
    return gui::MainWindow();
}

// Line ends as the control gives them back, made comparable.
std::string Lines(std::string text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void Mouse(UINT message, WPARAM keys, int x, int y)
{
    gui::Perform([=] { SendMessageA(Main(), message, keys, MAKELPARAM(x, y)); });
}

void DrawSelection(int x0, int y0, int x1, int y1)
{
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, x0, y0);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, x1, y1);
    Mouse(WM_LBUTTONUP, 0, x1, y1);
}

// The threshold-shift calculator confirmed as it stands: the chart views of
// view state 0, Tabella first.
void Calculate(int command)
{
    gui::MainCommand(command);
    Window dialog = gui::WaitWindow("Previsioni ISO 1999/90");
    dialog.Click(IDOK);
    gui::WaitGone(dialog);
}

// "Sa&lva con nome..." answered with each path in turn (the dialog coming
// back after each but the last).
void SaveAs(int command, const std::vector<std::string>& paths)
{
    gui::MainCommand(command);
    for (const std::string& path : paths) {
        Window dialog = gui::WaitWindow("Salvataggio file di dati");
        gui::AnswerFileDialog(dialog, path);
        gui::WaitGone(dialog);
    }
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

uint32_t At32(const std::string& bytes, size_t offset)
{
    const unsigned char* b = (const unsigned char*)bytes.data() + offset;
    return b[0] | b[1] << 8 | b[2] << 16 | (uint32_t)b[3] << 24;
}

uint32_t At16(const std::string& bytes, size_t offset)
{
    const unsigned char* b = (const unsigned char*)bytes.data() + offset;
    return b[0] | b[1] << 8;
}

// The pixels of a bitmap as 32-bit values, top row first.
std::vector<uint32_t> Pixels(HBITMAP bitmap, int* width, int* height)
{
    BITMAP shape = {};
    GetObjectA(bitmap, sizeof shape, &shape);
    *width = shape.bmWidth;
    *height = shape.bmHeight;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shape.bmWidth;
    info.bmiHeader.biHeight = -shape.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels((size_t)shape.bmWidth * shape.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, shape.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The clipboard emptied and given these formats, each with the bytes of its
// string (a terminating zero only where the string holds one).
void SetClipboard(const std::vector<std::pair<UINT, std::string>>& items)
{
    ASSERT_TRUE(OpenClipboard(Main()));
    EmptyClipboard();
    for (const auto& item : items) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, item.second.size());
        memcpy(GlobalLock(block), item.second.data(), item.second.size());
        GlobalUnlock(block);
        SetClipboardData(item.first, block);
    }
    CloseClipboard();
}

UINT Csv()
{
    return RegisterClipboardFormatA("Csv");
}

// Another program holding the clipboard open, until the object ends.
class ClipboardHolder {
public:
    ClipboardHolder()
        : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventA(nullptr, TRUE, FALSE, nullptr))
    {
        thread_ = std::thread([this] {
            HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
            bool open = OpenClipboard(owner) != 0;
            SetEvent(opened_);
            WaitForSingleObject(release_, 20000);
            if (open)
                CloseClipboard();
            DestroyWindow(owner);
        });
        WaitForSingleObject(opened_, 5000);
    }
    ~ClipboardHolder()
    {
        SetEvent(release_);
        thread_.join();
        CloseHandle(opened_);
        CloseHandle(release_);
    }

private:
    HANDLE opened_;
    HANDLE release_;
    std::thread thread_;
};

class Export : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = g_shiftState;
        g_shiftState = g_shiftChoices = InitialShiftState();
        ForgetDailyExposure();
        gui::ClearMessageBoxes();
        folder_ = gui::TempFolder();
    }
    void TearDown() override
    {
        gui::RunScript([] { gui::MainCommand(IDM_VIEW_DOCUMENT); });
        ClearChartSelection();
        g_shiftState = saved_;
        docsteps::Reset("");
    }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string folder_;
    ShiftState saved_;
};

TEST_F(Export, LepdReportPastesAsTabSeparatedLinesInOneUndoableChange)
{
    docsteps::Reset("Relazione\r\n");
    LONG end = GetWindowTextLengthA(docsteps::Document());
    docsteps::Select(end, end);
    gui::RunScript([] {
        CopyTwoRowReport("Reparto presse");
        gui::MainCommand(IDM_PASTE);
    });
    std::string text = Lines(docsteps::Text());
    // 10 log10((10^9 + 10^8.05) / 2) = 87.46 dBA over 8 hours.
    EXPECT_EQ(text,
              "Relazione\n"
              "Calcolo del livello di esposizione personale giornaliero al rumore (Lep,d)\t\t\t\n"
              "Livelli equivalenti (dBA):\t\tTempi di esposizione (ore):\n"
              "90\t\t4\n"
              "80,5\t\t4\n"
              "Livello equivalente (dBA):\t\t87,5\n"
              "Tempo di esposizione (ore):\t\t8,00\n"
              "Lep,d (dBA):\t\t87,5\n"
              "Note:\n"
              "Reparto presse\n")
        << text;
    EXPECT_EQ(text.find(';'), std::string::npos);
    EXPECT_TRUE(docsteps::Modified());
    // One undo takes the whole report out again.
    SendMessageA(docsteps::Document(), EM_UNDO, 0, 0);
    EXPECT_EQ(Lines(docsteps::Text()), "Relazione\n");
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// The "Csv" name is shared by every program: a block without its zero is
// read only up to its own size, and a format announced without data pastes
// nothing.
TEST_F(Export, ForeignCsvBlocksArePastedSafely)
{
    docsteps::Reset("");
    SetClipboard({{Csv(), std::string("a;b;c")}});
    gui::RunScript([] { gui::MainCommand(IDM_PASTE); });
    EXPECT_EQ(docsteps::Text(), "a\tb\tc");

    docsteps::Reset("resta");
    ASSERT_TRUE(OpenClipboard(Main()));
    EmptyClipboard();
    SetClipboardData(RegisterClipboardFormatA("Csv"), nullptr);  // to be rendered, never is
    CloseClipboard();
    gui::RunScript([] { gui::MainCommand(IDM_PASTE); });
    EXPECT_EQ(docsteps::Text(), "resta");

    // Not in a chart view: "&Incolla" belongs to the document.
    SetClipboard({{Csv(), std::string("x;y", 4)}});
    docsteps::Reset("");
    gui::RunScript([] {
        Calculate(IDM_NIPTS);
        gui::MainCommand(IDM_PASTE);
    });
    EXPECT_EQ(docsteps::Text(), "");
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// "Csv" first, then text and rich text through the document's own paste.
TEST_F(Export, TheFirstFormatInOrderIsPasted)
{
    const std::string rtf = "{\\rtf1\\ansi ricco;testo\\par}";
    const struct {
        std::vector<std::pair<UINT, std::string>> items;
        const char* pasted;
    } kCases[] = {
        {{{CF_TEXT, std::string("t;x", 4)}, {Csv(), std::string("c;d", 4)}}, "c\td"},
        {{{CF_TEXT, std::string("t;x", 4)}}, "t;x"},
        {{{RegisterClipboardFormatA("Rich Text Format"), rtf + std::string(1, '\0')}}, "ricco;testo"},
    };
    for (const auto& c : kCases) {
        docsteps::Reset("");
        SetClipboard(c.items);
        gui::RunScript([] { gui::MainCommand(IDM_PASTE); });
        EXPECT_EQ(Lines(docsteps::Text()).substr(0, strlen(c.pasted)), c.pasted);
    }
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

// Another program holds the clipboard: "Copia" says so and keeps nothing
// (the block or the bitmap is freed), "Incolla" of "Csv" does nothing.
TEST_F(Export, ABusyClipboardIsToldOnCopyAndIgnoredOnPaste)
{
    SetClipboard({{Csv(), std::string("x;y", 4)}});
    docsteps::Reset("resta");
    {
        ClipboardHolder holder;
        gui::RunScript([] { gui::MainCommand(IDM_PASTE); });
        EXPECT_EQ(docsteps::Text(), "resta");
        gui::RunScript([] {
            Calculate(IDM_NIPTS);
            for (int view : {IDM_VIEW_TABLE, IDM_VIEW_GRAPH}) {
                gui::MainCommand(view);
                gui::MainCommand(IDM_COPY);
                Window box = gui::WaitMessageBox();
                EXPECT_EQ(box.Title(), "Attenzione:");
                std::string text = box.BoxText();
                if (!text.empty())
                    EXPECT_EQ(text, "Impossibile copiare negli appunti!");
                box.Answer(IDOK);
            }
        });
    }
    EXPECT_EQ(gui::MessageBoxes().size(), 2u);
    EXPECT_EQ(gui::ClipboardCsv(), std::string("x;y"));
}

TEST_F(Export, CsvExportIsTheTableTextAndBmpBringsTheDialogBack)
{
    std::string csv = Path("tabella.csv");
    gui::RunScript([&] {
        Calculate(IDM_HTLAN);
        gui::MainCommand(IDM_COPY);
        // A picture or a document is not what Tabella saves: the dialog
        // comes back until a ".csv" is chosen.
        SaveAs(IDM_SAVE_AS, {Path("grafico.bmp"), Path("doc.fnx"), csv});
    });
    std::string copied = gui::ClipboardCsv();
    std::vector<char> expected(kReportTextSize, 0);
    BuildShiftReportOf(g_shiftState, expected.data(), expected.size(), ";");
    EXPECT_EQ(copied, std::string(expected.data()));
    std::string written = gui::ReadFile(csv);
    EXPECT_EQ(written, copied);  // byte for byte, no mark, no added line end
    EXPECT_EQ(written.substr(0, 5), "HTLAN");
    EXPECT_FALSE(FileExists(Path("grafico.bmp")));
    EXPECT_FALSE(FileExists(Path("doc.fnx")));
    EXPECT_EQ(g_main.documentFile, std::string());
    EXPECT_TRUE(gui::MessageBoxes().empty());

    // "&Salva" in a chart view saves the view too, through the dialog.
    std::string again = Path("ancora.csv");
    gui::RunScript([&] { SaveAs(IDM_SAVE, {again}); });
    EXPECT_EQ(gui::ReadFile(again), copied);
    EXPECT_EQ(g_main.documentFile, std::string());
}

TEST_F(Export, BmpExportHoldsTheWholeChartWithoutTheSelectionFrame)
{
    std::string plain = Path("grafico.bmp");
    std::string selected = Path("selezione.bmp");
    RECT area = {};
    gui::RunScript([&] {
        Calculate(IDM_NIPTS);
        gui::MainCommand(IDM_VIEW_GRAPH);
        // ".csv" is not what a graph saves.
        SaveAs(IDM_SAVE_AS, {Path("tabella.csv"), plain});
        area = ChartArea(Main());
        DrawSelection(120, 140, 320, 260);
        EXPECT_EQ(ChartSelection().right, 320);
        SaveAs(IDM_SAVE_AS, {selected});
    });
    EXPECT_FALSE(FileExists(Path("tabella.csv")));
    EXPECT_EQ(ChartSelection().right - ChartSelection().left, 0);  // emptied by the export

    std::string bmp = gui::ReadFile(plain);
    ASSERT_GE(bmp.size(), 54u);
    HDC screen = GetDC(nullptr);
    int depth = BitmapDepth(GetDeviceCaps(screen, BITSPIXEL), GetDeviceCaps(screen, PLANES));
    ReleaseDC(nullptr, screen);
    uint32_t width = area.right - area.left, height = area.bottom - area.top;
    uint32_t colours = depth <= 8 ? 1u << depth : 0;
    uint32_t rowBytes = (width * depth + 31) / 32 * 4;
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(At32(bmp, 2), bmp.size());
    EXPECT_EQ(At32(bmp, 6), 0u);
    EXPECT_EQ(At32(bmp, 10), 54 + 4 * colours);
    EXPECT_EQ(At32(bmp, 14), 40u);
    EXPECT_EQ(At32(bmp, 18), width);
    EXPECT_EQ(At32(bmp, 22), height);
    EXPECT_EQ(At16(bmp, 26), 1u);
    EXPECT_EQ(At16(bmp, 28), (uint32_t)depth);
    EXPECT_EQ(At32(bmp, 30), 0u);
    EXPECT_EQ(At32(bmp, 34), rowBytes * height);
    EXPECT_EQ(At32(bmp, 46), colours);
    EXPECT_EQ(bmp.size(), 54 + 4 * colours + rowBytes * height);
    // Between the toolbar and the status bar of the maximised window.
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(width, (uint32_t)client.right);
    EXPECT_GT(area.top, 0);
    EXPECT_LT(area.bottom, client.bottom);
    // A chart, not an empty picture: the pixels are not all alike.
    std::string pixels = bmp.substr(54 + 4 * colours);
    EXPECT_NE(pixels.find_first_not_of(pixels[0]), std::string::npos);
    // The rectangle drawn before the second export neither framed nor cut it.
    EXPECT_TRUE(gui::ReadFile(selected) == bmp);
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

TEST_F(Export, AFileThatCannotBeWrittenIsToldToTheUser)
{
    std::string path = Path("bloccato.csv");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ExportResult result = kExported;
    gui::RunScript([&] {
        Calculate(IDM_NIPTS);
        gui::Perform([&] { result = ExportChart(Main(), path.c_str()); });
        Window box = gui::WaitMessageBox();
        EXPECT_EQ(box.Title(), "Salvataggio file di dati");
        std::string text = box.BoxText();
        if (!text.empty())
            EXPECT_NE(text.find("Impossibile salvare il file"), std::string::npos) << text;
        box.Answer(IDOK);
    });
    CloseHandle(held);
    EXPECT_EQ(result, kExportFailed);
}

TEST_F(Export, CopyOfAGraphIsTheSelectionAsABitmapWhichTheDocumentTakesOrRefuses)
{
    int fullWidth = 0, fullHeight = 0, width = 0, height = 0;
    std::vector<uint32_t> full, copied;
    RECT area = {};
    gui::RunScript([&] {
        Calculate(IDM_HTLAN);
        gui::MainCommand(IDM_VIEW_AUDIOGRAM);
        area = ChartArea(Main());
        HBITMAP whole = CaptureChart(Main());
        full = Pixels(whole, &fullWidth, &fullHeight);
        DeleteObject(whole);
        DrawSelection(100, 120, 301, 251);
        gui::MainCommand(IDM_COPY);
    });
    ASSERT_TRUE(OpenClipboard(Main()));
    HBITMAP onClipboard = (HBITMAP)GetClipboardData(CF_BITMAP);
    ASSERT_NE(onClipboard, nullptr);
    copied = Pixels(onClipboard, &width, &height);
    CloseClipboard();
    // Inside the frame: one pixel less on every side.
    EXPECT_EQ(width, 301 - 100 - 2);
    EXPECT_EQ(height, 251 - 120 - 2);
    ASSERT_EQ(copied.size(), (size_t)width * height);
    // The same pixels as that part of the whole chart, frame excluded.
    int mismatches = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            size_t inFull = (size_t)(121 - area.top + y) * fullWidth + (101 - area.left + x);
            if ((copied[(size_t)y * width + x] & 0xFFFFFF) != (full[inFull] & 0xFFFFFF))
                ++mismatches;
        }
    EXPECT_EQ(mismatches, 0);

    // Into the report document.
    docsteps::Reset("Relazione");
    docsteps::Select(9, 9);
    bool accepted = false;
    gui::RunScript([&] {
        gui::MainCommand(IDM_VIEW_DOCUMENT);
        accepted = SendMessageA(docsteps::Document(), EM_CANPASTE, CF_DIB, 0) != 0;
        gui::MainCommand(IDM_PASTE);
        if (!accepted) {
            Window box = gui::WaitMessageBox();
            EXPECT_EQ(box.Title(), "Impossibile incollare gli appunti");
            std::string text = box.BoxText();
            if (!text.empty())
                EXPECT_EQ(text, kUnsupported);
            box.Answer(IDOK);
        }
    });
    if (accepted) {
        // Embedded: the picture is one object character after the text.
        EXPECT_EQ(GetWindowTextLengthA(docsteps::Document()), 10);
        EXPECT_TRUE(gui::MessageBoxes().empty());
    } else {
        ASSERT_EQ(gui::MessageBoxes().size(), 1u);
        EXPECT_EQ(gui::MessageBoxes()[0].caption, "Impossibile incollare gli appunti");
        EXPECT_EQ(docsteps::Text(), "Relazione");
        EXPECT_FALSE(docsteps::Modified());
    }
}

TEST_F(Export, OneDroppedLepOpensTheDailyCalculatorTwoDoNothing)
{
    std::string path = Path("turno.lep");
    gui::WriteFile(path, "[FONEXA]\r\nTipo=LEPD\r\nTFORM=2\r\nITEMS=1\r\n[LEQ]\r\n1=90\r\n[TIME]\r\n1=4\r\n");
    gui::RunScript([&] {
        gui::DropFiles(Window(Main()), {path, path});
        gui::Settle();
        EXPECT_EQ(FindWindowA(nullptr, "Calcolo Lep,d"), nullptr);
        // Nor does an unknown extension, as on the command line.
        gui::Perform([] { OpenByExtension(Main(), "C:\\dati\\appunti.txt"); });
        gui::Settle();
        EXPECT_EQ(FindWindowA(nullptr, "Calcolo Lep,d"), nullptr);
        gui::DropFiles(Window(Main()), {path});
        Window lepd = gui::WaitWindow("Calcolo Lep,d");
        EXPECT_EQ(lepd.Text(IDC_STATUS_BAR), path);
        EXPECT_EQ(lepd.ListCount(IDC_LEPD_LIST), 1);
        // 90 dBA for 4 of 8 hours: 90 - 3.0 = 87.0.
        EXPECT_EQ(lepd.Text(IDC_LEPD_LEPD), "87.0");
        lepd.Close();
        gui::WaitGone(lepd);
    });
    EXPECT_TRUE(gui::MessageBoxes().empty());
}

}  // namespace
