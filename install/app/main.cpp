// Install: the setup launcher of the distribution medium.
#include <windows.h>

#include "launcher.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return install::LauncherDialog(); }
