#include "summary/folder_scan.h"

#include <algorithm>

namespace {

// A data file is a few kilobytes; a file this large is not read.
const LONGLONG kLargestFile = 64 << 20;

// Lists one folder: its data files, and its subfolders to list after it.
// False when the folder cannot be read.
bool ListOne(FolderScan* scan, const std::string& relative)
{
    WIN32_FIND_DATAA found;
    std::string pattern = JoinFolder(relative.empty() ? scan->folder : JoinFolder(scan->folder, relative), "*");
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty drive
    std::vector<std::string> folders;
    do {
        std::string name = found.cFileName;
        std::string path = relative.empty() ? name : relative + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (scan->subfolders && name != "." && name != "..")
                folders.push_back(path);
        } else if (DataFileTypeOfPath(name.c_str())) {
            scan->files.push_back({path, (long long)found.nFileSizeHigh << 32 | found.nFileSizeLow});
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    // Listed in reverse, so that the first subfolder is the next one listed.
    std::sort(folders.begin(), folders.end(),
              [](const std::string& a, const std::string& b) { return CompareNatural(a, b) > 0; });
    scan->pending.insert(scan->pending.end(), folders.begin(), folders.end());
    return true;
}

bool InputWaiting()
{
    return HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT)) != 0;
}

}  // namespace

std::string JoinFolder(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder + name;
    return folder + "\\" + name;
}

void BeginFolderScan(FolderScan* scan, const std::string& folder, bool subfolders)
{
    *scan = FolderScan();
    scan->folder = folder;
    scan->subfolders = subfolders;
    scan->pending.push_back("");
}

bool ScanListing(const FolderScan& scan)
{
    return !scan.pending.empty();
}

bool ContinueFolderScan(FolderScan* scan, DWORD budgetMs, bool yieldToInput)
{
    DWORD start = GetTickCount();
    auto timeLeft = [&] {
        return budgetMs == 0 || (GetTickCount() - start < budgetMs && !(yieldToInput && InputWaiting()));
    };
    while (!scan->pending.empty() && !scan->failed) {
        std::string relative = scan->pending.back();
        scan->pending.pop_back();
        if (!ListOne(scan, relative) && relative.empty())
            scan->failed = true;
        if (!timeLeft())
            return false;
    }
    if (scan->failed)
        return true;
    while (scan->read < scan->files.size()) {
        const FoundFile& file = scan->files[scan->read];
        scan->rows.push_back(SummariseFile(scan->folder, file.relative, &scan->buffer, file.size));
        ++scan->read;
        if (scan->read % 16 == 0 && !timeLeft())
            return false;
    }
    std::stable_sort(scan->rows.begin(), scan->rows.end(),
                     [](const SummaryRow& a, const SummaryRow& b) { return CompareNatural(a.file, b.file) < 0; });
    std::vector<char>().swap(scan->buffer);
    std::vector<FoundFile>().swap(scan->files);
    return true;
}

// Reads a whole file into buffer; false when it cannot be read or is too
// large. With the size known from the listing no more is asked of the
// system than the bytes (each request costs under Wine).
static bool ReadWhole(HANDLE file, long long size, std::vector<char>* buffer, size_t* length)
{
    LARGE_INTEGER asked;
    if (size < 0) {
        if (!GetFileSizeEx(file, &asked))
            return false;
        size = asked.QuadPart;
    }
    *length = 0;
    // One byte more than listed tells a file that has grown since.
    for (long long want = size + 1; want <= kLargestFile + 1; want = (long long)*length + 65536) {
        if (buffer->size() < (size_t)want)
            buffer->resize((size_t)want);
        DWORD done = 0;
        if (!ReadFile(file, buffer->data() + *length, (DWORD)(want - (long long)*length), &done, nullptr))
            return false;
        *length += done;
        if ((long long)*length < want)
            return true;  // the end
    }
    return false;
}

SummaryRow SummariseFile(const std::string& folder, const std::string& relative, std::vector<char>* buffer,
                         long long size)
{
    SummaryRow row = {relative, DataFileTypeOfPath(relative.c_str()), FileSummary()};
    if (!row.type->tag) {
        row.summary.status = kSummaryDocument;  // listed by name, not read
        return row;
    }
    row.summary.status = kSummaryUnreadable;
    if (size > kLargestFile)
        return row;
    wchar_t path[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, JoinFolder(folder, relative).c_str(), -1, path, MAX_PATH))
        return row;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return row;
    size_t length = 0;
    if (ReadWhole(file, size, buffer, &length))
        row.summary = SummariseData(*row.type, buffer->data(), length);
    CloseHandle(file);
    return row;
}
