#include "disk_errors.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kestro {

void failDiskErrorsQuietly() {
#ifdef _WIN32
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);
#endif
}

}  // namespace kestro
