#pragma once
// The fixture of the tests that draw a program's views and read what was drawn from the graphics
// trace: a fresh folder, a host window of its own class to draw in, the trace caught, and the
// graphics window closed again after each test.
#include <gtest/gtest.h>
#include <windows.h>

#include "../../tests/testdir.h"
#include "gfx/gfx.h"
#include "win/testing/wintest.h"

namespace wintest {

class ViewTest : public ::testing::Test {
 protected:
  ViewTest(const char* hostClass, int width, int height) : host_(hostClass, "host", width, height) {}
  ~ViewTest() override { GfxWindowEx(0, kGfxClose); }

  TestDirectory dir_;
  HostWindow host_;
  TraceCapture trace_;
};

}  // namespace wintest
