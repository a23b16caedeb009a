# suite_export_wndproc(target internal_name): exports a program's main window procedure from its
# .exe under the name WNDPROC, through a module-definition file. In C++ the name WNDPROC is the
# Win32 type of window procedures, so the code defines the procedure under internal_name with C
# linkage:   extern "C" LRESULT CALLBACK CorvaneWindowProc(HWND, UINT, WPARAM, LPARAM);
# and the program's CMakeLists.txt calls   suite_export_wndproc(Corvane CorvaneWindowProc)
function(suite_export_wndproc target internal_name)
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${target}_wndproc.def)
  file(CONFIGURE OUTPUT ${def} CONTENT "EXPORTS\n    WNDPROC = ${internal_name}\n" @ONLY)
  target_link_options(${target} PRIVATE ${def})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def})
endfunction()
