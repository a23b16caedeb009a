// Trabix: beams and strips on springs, a Winkler foundation or an elastic half-space.
#include <windows.h>

#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) { return trabix::RunTrabix(instance, show); }
