// help_topic: asks the help engine for one topic number of a help file, as
// the program's "&?" items and the F1 key do.
//   help_topic.exe FILE.hlp TOPIC
// TOPIC in decimal or 0x hexadecimal; 0 opens the contents.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: help_topic FILE.hlp TOPIC\n");
        return 2;
    }
    unsigned long topic = strtoul(argv[2], nullptr, 0);
    BOOL shown = topic == 0 ? WinHelpA(GetDesktopWindow(), argv[1], HELP_CONTENTS, 0)
                            : WinHelpA(GetDesktopWindow(), argv[1], HELP_CONTEXT, topic);
    return shown ? 0 : 1;
}
