// Murelo: retaining walls, a base plate on springs, a Winkler foundation or an elastic half-space
// with a wall stem standing on it.
#include <windows.h>

#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) { return murelo::RunMurelo(instance, show); }
