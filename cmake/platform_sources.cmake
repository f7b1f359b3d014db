# Sources that exist once per platform are named NAME_posix.cpp and
# NAME_win32.cpp beside a shared header NAME.h; a folder's list of sources
# keeps the ones of the platform built for. Test sources follow the same
# rule (NAME_posix_test.cpp, NAME_win32_test.cpp).
function(calvex_keep_platform_sources list_name)
  if(WIN32)
    list(FILTER ${list_name} EXCLUDE REGEX "_posix(_test)?\\.cpp$")
  else()
    list(FILTER ${list_name} EXCLUDE REGEX "_win32(_test)?\\.cpp$")
  endif()
  set(${list_name} ${${list_name}} PARENT_SCOPE)
endfunction()
