// Compiled into Marovel on Windows and into the Wine helper elsewhere; empty on other systems.
#ifdef _WIN32
#include "io/mvDdeml.h"

#include <windows.h>

#include <cstring>
#include <ddeml.h>

namespace {

// A pure client needs no notifications.
HDDEDATA CALLBACK IgnoreEverything(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

} // namespace

bool SendDdeCommandA(const char* service, const char* command) {
    // An empty name gives no string handle, and DDEML would then connect to whichever server
    // offers the topic: that is not the mIRC the settings name.
    if (!service || !*service || !command) return false;
    DWORD instance = 0;
    if (DdeInitializeA(&instance, IgnoreEverything, APPCLASS_STANDARD | APPCMD_CLIENTONLY, 0) !=
        DMLERR_NO_ERROR)
        return false;

    HSZ serviceName = DdeCreateStringHandleA(instance, service, CP_WINANSI);
    HSZ topicName = DdeCreateStringHandleA(instance, "COMMAND", CP_WINANSI);
    HCONV conversation = DdeConnect(instance, serviceName, topicName, nullptr);
    const bool connected = conversation != nullptr;
    if (connected) {
        HSZ itemName = DdeCreateStringHandleA(instance, command, CP_WINANSI);
        const DWORD length = DWORD(std::strlen(command) + 1);
        // The data handle belongs to the system once it is passed to the transaction.
        HDDEDATA data =
            DdeCreateDataHandle(instance, reinterpret_cast<LPBYTE>(const_cast<char*>(command)),
                                length, 0, itemName, CF_TEXT, 0);
        // Asynchronous: mIRC runs the command when it gets to it, nothing is awaited.
        DdeClientTransaction(reinterpret_cast<LPBYTE>(data), DWORD(-1), conversation, itemName,
                             CF_TEXT, XTYP_POKE, TIMEOUT_ASYNC, nullptr);
        DdeFreeStringHandle(instance, itemName);
    }
    DdeFreeStringHandle(instance, serviceName);
    DdeFreeStringHandle(instance, topicName);
    DdeUninitialize(instance);
    return connected;
}

#endif
