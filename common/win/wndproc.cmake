# suite_export_names(target name[=internal_name]...): exports routines of an .exe under the given
# names, undecorated, through a module-definition file. A name alone exports the C-linkage routine
# of that name (extern "C" float WINAPI GETSYSFILEVER(const char*);); name=internal_name exports
# internal_name under name, for a name that C++ cannot use itself.
function(suite_export_names target)
  set(lines "EXPORTS\n")
  foreach(entry IN LISTS ARGN)
    string(REPLACE "=" " = " entry "${entry}")
    string(APPEND lines "    ${entry}\n")
  endforeach()
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${target}_exports.def)
  file(CONFIGURE OUTPUT ${def} CONTENT "${lines}" @ONLY)
  target_link_options(${target} PRIVATE ${def})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def})
endfunction()

# suite_export_wndproc(target internal_name): exports a program's main window procedure from its
# .exe under the name WNDPROC. In C++ the name WNDPROC is the Win32 type of window procedures, so
# the code defines the procedure under internal_name with C linkage:
#   extern "C" LRESULT CALLBACK CorvaneWindowProc(HWND, UINT, WPARAM, LPARAM);
# and the program's CMakeLists.txt calls   suite_export_wndproc(Corvane CorvaneWindowProc)
function(suite_export_wndproc target internal_name)
  suite_export_names(${target} WNDPROC=${internal_name})
endfunction()
