// Corvane: pre- and post-processor for beams, strips, circular plates and tanks.
#include <windows.h>

#include "corvane/app/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) { return corvane::RunCorvane(instance, show); }
