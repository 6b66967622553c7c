#pragma once
// The DDE conversation with mIRC in plain Win32 terms. It has no Qt in it so that the same code
// runs inside Marovel on Windows and, built with the MinGW cross compiler, as the small helper
// that Marovel starts under Wine on other systems.
#ifdef _WIN32

// Opens a client-only DDEML instance, connects to `service` on the topic "COMMAND" and, when the
// connection is made, pokes `command` (ANSI, CF_TEXT, with its terminating zero) without waiting
// for the outcome. Everything is freed again before returning. True exactly when the
// connection was made; an empty service name connects to nothing.
bool SendDdeCommandA(const char* service, const char* command);

#endif
