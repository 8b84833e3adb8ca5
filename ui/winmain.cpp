// Entry point of zentrabel.exe; everything else is in the zbl_ui library.
#include <windows.h>

#include "startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunZentrabel(instance, showCommand);
}
