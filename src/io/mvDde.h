#pragma once
// The transport to mIRC. On Windows the DDE conversation runs in this process; elsewhere mIRC
// runs under Wine, so Marovel starts the helper marovel-dde.exe under `wine` in the user's Wine
// prefix (WINEPREFIX, or ~/.wine) and reads its exit status. MAROVEL_WINE names another wine
// command than the one found in PATH.
#include <QString>
#include <memory>

// Pokes `command` to the DDE service `service`, topic "COMMAND", and forgets it. True exactly
// when a connection to the service was made; false as well when Wine, its prefix or the helper
// is missing.
bool SendDdeCommand(const QString& service, const QString& command);

// `path` as mIRC must be given it: the native absolute path on Windows, its Windows form in
// the Wine prefix elsewhere (drive Z: for the root of the file system when Wine cannot say).
QString ToMircPath(const QString& path);

// One preview's exchange with mIRC: the probe, the form of the script's path that mIRC takes,
// then at most one more command. Under Wine the whole exchange is one run of the helper, which
// the window keeps painting through (user input waits), bounded in time as a whole.
class TmvMircConversation {
public:
    virtual ~TmvMircConversation() = default;
    // Pokes `probe` to `service`; true when mIRC was reached. Learns how mIRC names
    // `scriptPath`, which need not exist yet.
    virtual bool Open(const QString& service, const QString& probe, const QString& scriptPath) = 0;
    // The script's path as mIRC must be given it; asked after a successful Open.
    virtual QString MircPath() = 0;
    // Pokes `command` to the same service and ends the exchange; true when it reached mIRC.
    virtual bool Send(const QString& command) = 0;
    // Ends the exchange without another command (the destructor does it too).
    virtual void Close() = 0;
};

// The system's transport for one exchange.
std::unique_ptr<TmvMircConversation> NewMircConversation();

// Where the Wine helper was found (beside the marovel executable, else in the build tree), or
// an empty string when it is missing or not needed on this system.
QString DdeHelperPath();
