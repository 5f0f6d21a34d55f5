// Holds a file open as a virus scanner does (reading, others may only read) for the
// milliseconds given, then closes it and waits to be ended, so that only its starter ends it.
// Once it holds the file it sets the event "kestro-hold-file" where another program made one.
// Usage: kestro_hold_file FILE MILLISECONDS
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    const HANDLE file = CreateFileW(argc == 3 ? argv[1] : L"", GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    if (const HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"kestro-hold-file")) SetEvent(held);
    Sleep(DWORD(std::wcstoul(argv[2], nullptr, 10)));
    CloseHandle(file);
    Sleep(INFINITE);
}
