// Writes Wine's own generic PostScript printer description (resource
// "PPDFILE" 1 of winspool.drv) to a file, for the tests' default printer.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: ppd_export OUTPUT.ppd\n");
        return 2;
    }
    HMODULE spooler = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = spooler ? FindResourceA(spooler, MAKEINTRESOURCEA(1), "PPDFILE") : nullptr;
    const void* data = resource ? LockResource(LoadResource(spooler, resource)) : nullptr;
    if (!data) {
        fprintf(stderr, "ppd_export: no PPDFILE resource in winspool.drv\n");
        return 1;
    }
    FILE* out = fopen(argv[1], "wb");
    if (!out)
        return 1;
    size_t size = SizeofResource(spooler, resource);
    bool written = fwrite(data, 1, size, out) == size;
    return fclose(out) == 0 && written ? 0 : 1;
}
