#include "io/mvErrorHandler.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "io/mvConfigPaths.h"
#include "model/mvPlatform.h"
#include "surface/mvInteraction.h"

namespace {

bool handling = false;

void WriteToStandardError(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void End(const TmvFatalErrorHooks& hooks) {
    if (hooks.EndProgram)
        hooks.EndProgram();
    else
        std::_Exit(EXIT_FAILURE);
}

QString TrySaveRecovery(const TmvFatalErrorHooks& hooks) {
    if (!hooks.SaveRecovery) return QString();
    try {
        return hooks.SaveRecovery();
    } catch (...) {
        return QString();
    }
}

void TellUser(const TmvFatalErrorHooks& hooks, const QString& text) {
    try {
        if (hooks.Prompt) {
            hooks.Prompt->Error(kErrorCaption, text);
            return;
        }
    } catch (...) {
        // The box could not be shown; standard error is all that is left.
    }
    WriteToStandardError(kErrorCaption + QStringLiteral(": ") + text);
}

} // namespace

TmvFatalErrorHooks& FatalErrorHooks() {
    static TmvFatalErrorHooks hooks;
    return hooks;
}

void HandleFatalError(const TmvErrorReport& report, const TmvFatalErrorHooks& hooks) {
    const QString folder = hooks.LogFolder.isEmpty() ? ConfigFolder() : hooks.LogFolder;
    const QString logPath = QDir(folder).filePath(kErrorLogFileName);
    const QStringList lines = ErrorReportLines(report, OperatingSystemDescription());
    QString logError;
    if (!AppendErrorReport(logPath, lines, &logError)) {
        if (logError.isEmpty()) logError = QStringLiteral("unknown reason");
        WriteToStandardError(lines.join(QLatin1Char('\n')));
    }
    if (handling) {
        // A second error while the first is being reported: it is logged, nothing more.
        End(hooks);
        return;
    }
    handling = true;
    const QString recoveryPath = TrySaveRecovery(hooks);
    TellUser(hooks, FatalErrorMessage(report.ExceptionClass, logPath, logError, recoveryPath));
    handling = false;
    End(hooks);
}

bool DeliverGuarded(QObject* receiver, const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (...) {
        HandleFatalError(DescribeException(std::current_exception(), receiver), FatalErrorHooks());
        return false;
    }
}

void InstallTerminateHandler() {
    std::set_terminate([] {
        HandleFatalError(DescribeException(std::current_exception(), QCoreApplication::instance()),
                         FatalErrorHooks());
        std::abort();
    });
}

TmvApplication::TmvApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TmvApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverGuarded(receiver, [&] { return QApplication::notify(receiver, event); });
}
