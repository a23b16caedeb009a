// Palvore: laterally loaded piles and sheet piles in Winkler soil or an elastic half-space.
#include <windows.h>

#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) { return palvore::RunPalvore(instance, show); }
