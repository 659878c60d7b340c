#include <windows.h>

#include "setup/setup_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    return RunSetup(instance, commandLine);
}
