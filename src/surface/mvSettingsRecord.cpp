#include "surface/mvSettingsRecord.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int DefaultLegacyCodePage() {
#ifdef Q_OS_WIN
    return int(GetACP());
#else
    return 1254;
#endif
}
