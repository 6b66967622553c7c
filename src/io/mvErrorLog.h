#pragma once
// The error log: one report per error that no operation handled, appended to "errorlog.txt" in
// the configuration folder. Everything here is plain text work, so it can be tested without
// ending the process; the handler that uses it is mvErrorHandler.
#include <QString>
#include <QStringList>
#include <exception>

class QObject;

struct TmvErrorReport {
    QString ExceptionClass; // class name of the error
    QString ObjectName;     // name of the object that raised it; empty: no "Object: " line
    QString ObjectType;     // class name of that object
    QString Message;
};

inline const QString kErrorLogFileName = QStringLiteral("errorlog.txt");
inline const QString kErrorCaption = QStringLiteral("Marovel Error");

// The error held by error, raised while object (may be null) handled something.
TmvErrorReport DescribeException(const std::exception_ptr& error, const QObject* object);

// The report's lines: version, system, exception, object (only when named), object type,
// message and an empty line.
QStringList ErrorReportLines(const TmvErrorReport& report, const QString& systemDescription);

// Appends the lines, each ended by a line break, to the log (created when missing); the whole
// file is replaced at once. FALSE with the reason when the log cannot be read or written.
bool AppendErrorReport(const QString& logPath, const QStringList& lines, QString* error = nullptr);

// What the user is told. logError is empty when the log was written; recoveryPath is empty
// when no work was saved.
QString FatalErrorMessage(const QString& exceptionClass, const QString& logPath,
                          const QString& logError, const QString& recoveryPath);
