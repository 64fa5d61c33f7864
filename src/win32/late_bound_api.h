#pragma once
// Every system function that the program looks up at run time instead of importing it: so that
// kelvor.scr loads on Windows 95 and NT 4 and uses the function only where it exists, and so that
// the libraries only the options dialog needs are not loaded by the running saver. This list is
// also the inventory of what needs a newer Windows than those two: each entry says from which
// Windows on it is there ("all" where every one has it). The product's import-table test reads the
// names from here.

#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <wincrypt.h>

#include <type_traits>

namespace kelvor::win32 {

// A function by its library and exported name, with the type it is called through.
template <typename Function>
struct LateBoundApi {
    using Pointer = Function*;
    const char* library;
    const char* name;
};

// The pointer type through which an entry of the list is called.
template <const auto& Api>
using LateBoundPointer = typename std::remove_cvref_t<decltype(Api)>::Pointer;

namespace api {

// kernel32
inline constexpr LateBoundApi<BOOL WINAPI(MEMORYSTATUSEX*)> GlobalMemoryStatusEx{  // 2000
    "kernel32.dll", "GlobalMemoryStatusEx"};
inline constexpr LateBoundApi<void WINAPI(SYSTEM_INFO*)> GetNativeSystemInfo{  // XP
    "kernel32.dll", "GetNativeSystemInfo"};
inline constexpr LateBoundApi<BOOL WINAPI(HANDLE)> CancelIo{"kernel32.dll", "CancelIo"};  // 98, NT 4

// user32: displays and monitors
inline constexpr LateBoundApi<BOOL WINAPI(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD)> EnumDisplayDevices{  // 98, 2000
    "user32.dll", "EnumDisplayDevicesA"};
inline constexpr LateBoundApi<BOOL WINAPI(LPCSTR, DWORD, DEVMODEA*, DWORD)> EnumDisplaySettingsEx{  // 98, 2000
    "user32.dll", "EnumDisplaySettingsExA"};
inline constexpr LateBoundApi<HMONITOR WINAPI(POINT, DWORD)> MonitorFromPoint{  // 98, 2000
    "user32.dll", "MonitorFromPoint"};
inline constexpr LateBoundApi<BOOL WINAPI(HMONITOR, LPMONITORINFO)> GetMonitorInfo{  // 98, 2000
    "user32.dll", "GetMonitorInfoA"};

// The options dialog's libraries: common controls, common dialogs, the shell
inline constexpr LateBoundApi<void WINAPI()> InitCommonControls{"comctl32.dll", "InitCommonControls"};  // all
inline constexpr LateBoundApi<BOOL WINAPI(const INITCOMMONCONTROLSEX*)> InitCommonControlsEx{  // comctl32 4.70
    "comctl32.dll", "InitCommonControlsEx"};
inline constexpr LateBoundApi<BOOL WINAPI(CHOOSEFONTA*)> ChooseFont{"comdlg32.dll", "ChooseFontA"};      // all
inline constexpr LateBoundApi<BOOL WINAPI(CHOOSECOLORA*)> ChooseColor{"comdlg32.dll", "ChooseColorA"};  // all
inline constexpr LateBoundApi<HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)> ShellExecute{  // all
    "shell32.dll", "ShellExecuteA"};

// iphlpapi: the network interface table, and one interface's entry (MIB_IFROW, MIB_IF_ROW2)
inline constexpr LateBoundApi<DWORD WINAPI(void*, ULONG*, BOOL)> GetIfTable{  // 98, NT 4 SP4
    "iphlpapi.dll", "GetIfTable"};
inline constexpr LateBoundApi<DWORD WINAPI(void*)> GetIfEntry{"iphlpapi.dll", "GetIfEntry"};    // 98, NT 4 SP4
inline constexpr LateBoundApi<DWORD WINAPI(void*)> GetIfEntry2{"iphlpapi.dll", "GetIfEntry2"};  // Vista

// iphlpapi: the computer's addresses and their change notification
inline constexpr LateBoundApi<ULONG WINAPI(ULONG, ULONG, void*, void*, ULONG*)> GetAdaptersAddresses{  // XP
    "iphlpapi.dll", "GetAdaptersAddresses"};
inline constexpr LateBoundApi<DWORD WINAPI(void*, ULONG*, BOOL)> GetIpAddrTable{  // 98, NT 4 SP4
    "iphlpapi.dll", "GetIpAddrTable"};
inline constexpr LateBoundApi<DWORD WINAPI(HANDLE*, OVERLAPPED*)> NotifyAddrChange{  // 98, 2000
    "iphlpapi.dll", "NotifyAddrChange"};
inline constexpr LateBoundApi<BOOL WINAPI(OVERLAPPED*)> CancelIPChangeNotify{  // Vista
    "iphlpapi.dll", "CancelIPChangeNotify"};

// Winsock, for Windows 95 without the IP helper: the addresses of the computer's own name. ws2_32
// where Winsock 2 is installed, else wsock32, which exports the same names.
inline constexpr LateBoundApi<int WINAPI(WORD, WSADATA*)> WSAStartup{"ws2_32.dll", "WSAStartup"};  // 95 + Winsock 2, 98
inline constexpr LateBoundApi<int WINAPI()> WSACleanup{"ws2_32.dll", "WSACleanup"};               // 95 + Winsock 2, 98
inline constexpr LateBoundApi<int WINAPI(char*, int)> GetHostName{"ws2_32.dll", "gethostname"};   // 95 + Winsock 2, 98
inline constexpr LateBoundApi<hostent* WINAPI(const char*)> GetHostByName{  // 95 + Winsock 2, 98
    "ws2_32.dll", "gethostbyname"};
inline constexpr char kWinsock1Library[] = "wsock32.dll";  // all

// ntdll: the kernel's per-processor times (the 9x family has no such query)
inline constexpr LateBoundApi<LONG WINAPI(ULONG, PVOID, ULONG, PULONG)> NtQuerySystemInformation{  // NT 4
    "ntdll.dll", "NtQuerySystemInformation"};

// advapi32: random numbers for password salts
inline constexpr LateBoundApi<BOOLEAN WINAPI(PVOID, ULONG)> RtlGenRandom{  // XP
    "advapi32.dll", "SystemFunction036"};
inline constexpr LateBoundApi<BOOL WINAPI(HCRYPTPROV*, LPCSTR, LPCSTR, DWORD, DWORD)> CryptAcquireContext{  // 95 OSR2
    "advapi32.dll", "CryptAcquireContextA"};
inline constexpr LateBoundApi<BOOL WINAPI(HCRYPTPROV, DWORD, BYTE*)> CryptGenRandom{  // 95 OSR2
    "advapi32.dll", "CryptGenRandom"};
inline constexpr LateBoundApi<BOOL WINAPI(HCRYPTPROV, DWORD)> CryptReleaseContext{  // 95 OSR2
    "advapi32.dll", "CryptReleaseContext"};

// The 9x family's screen-saver password services (not on the NT family)
inline constexpr LateBoundApi<BOOL WINAPI(HWND)> VerifyScreenSavePwd{"password.cpl", "VerifyScreenSavePwd"};
inline constexpr LateBoundApi<DWORD WINAPI(LPCSTR, HWND, DWORD, DWORD)> PwdChangePassword{"mpr.dll",
                                                                                          "PwdChangePasswordA"};

}  // namespace api

}  // namespace kelvor::win32
