# What both Windows builds share: static mingw-w64 cross-compilers of the chosen thread model.
# KELVOR_MINGW_TRIPLE names the target (i686-w64-mingw32 or x86_64-w64-mingw32).
set(CMAKE_SYSTEM_NAME Windows)
# The win32 thread model's runtime imports only what Windows 95 and NT 4 already export (the posix
# model pulls in calls of XP and Vista such as GetTickCount64), so the product is built with it.
# The Windows-built tests use the posix model, whose std::mutex GoogleTest needs.
set(KELVOR_MINGW_THREADS "win32" CACHE STRING "mingw-w64 thread model: win32 (product) or posix (tests)")
set(CMAKE_C_COMPILER ${KELVOR_MINGW_TRIPLE}-gcc-${KELVOR_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${KELVOR_MINGW_TRIPLE}-g++-${KELVOR_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${KELVOR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELVOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
