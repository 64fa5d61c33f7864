# The 32-bit Windows product: the 9x family, NT 4 and every 32-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KELVOR_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
