# Cross-compiling the Windows product: 32-bit, static, mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The win32 thread model's runtime imports only what Windows 95 and NT 4 already export (the posix
# model pulls in calls of XP and Vista such as GetTickCount64), so the product is built with it.
# The Windows-built tests use the posix model, whose std::mutex GoogleTest needs.
set(KELVOR_MINGW_THREADS "win32" CACHE STRING "mingw-w64 thread model: win32 (product) or posix (tests)")
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${KELVOR_MINGW_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${KELVOR_MINGW_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
