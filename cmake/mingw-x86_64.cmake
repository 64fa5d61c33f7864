# The x64 Windows product: 64-bit Windows, where it runs natively from System32.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KELVOR_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
