#include "io/mvErrorLog.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QObject>
#include <typeinfo>

#include "io/mvTextFile.h"
#include "model/mvVersion.h"

#if defined(__GNUG__)
#include <cstdlib>
#include <cxxabi.h>
#endif

namespace {

// Readable class names ("std::runtime_error") where the compiler can give them.
QString TypeName(const std::type_info* type) {
    if (!type) return QStringLiteral("unknown exception");
#if defined(__GNUG__)
    int status = 0;
    char* demangled = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    if (status == 0 && demangled) {
        const QString name = QString::fromUtf8(demangled);
        std::free(demangled);
        return name;
    }
    std::free(demangled);
#endif
    return QString::fromUtf8(type->name());
}

} // namespace

TmvErrorReport DescribeException(const std::exception_ptr& error, const QObject* object) {
    TmvErrorReport report;
    try {
        if (error) std::rethrow_exception(error);
        report.ExceptionClass = QStringLiteral("std::terminate");
        report.Message = QStringLiteral("The program was ended without an exception.");
    } catch (const std::exception& e) {
        report.ExceptionClass = TypeName(&typeid(e));
        report.Message = QString::fromUtf8(e.what());
    } catch (...) {
#if defined(__GNUG__)
        report.ExceptionClass = TypeName(abi::__cxa_current_exception_type());
#else
        report.ExceptionClass = TypeName(nullptr);
#endif
        report.Message = QStringLiteral("An exception of an unknown kind was raised.");
    }
    if (object) {
        report.ObjectName = object->objectName();
        report.ObjectType = QString::fromLatin1(object->metaObject()->className());
    }
    return report;
}

QStringList ErrorReportLines(const TmvErrorReport& report, const QString& systemDescription) {
    QStringList lines{MarovelVersionText(), systemDescription,
                      QStringLiteral("Exception ") + report.ExceptionClass};
    if (!report.ObjectName.isEmpty()) lines.append(QStringLiteral("Object: ") + report.ObjectName);
    lines.append(QStringLiteral("Object Type: ") + report.ObjectType);
    lines.append(QStringLiteral("Message: ") + report.Message);
    lines.append(QString());
    return lines;
}

bool AppendErrorReport(const QString& logPath, const QStringList& lines, QString* error) {
    QString text;
    if (QFileInfo::exists(logPath) && !ReadTextFile(logPath, &text, error)) return false;
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return WriteTextFile(logPath, text, error);
}

QString FatalErrorMessage(const QString& exceptionClass, const QString& logPath,
                          const QString& logError, const QString& recoveryPath) {
    QString text = QStringLiteral("Exception \"%1\" has occurred.\n\n").arg(exceptionClass);
    if (logError.isEmpty())
        text += QStringLiteral("Please attach the file \"%1\" to an e-mail to %2, and describe "
                               "your operating system and the steps that reproduce the error.")
                    .arg(QDir::toNativeSeparators(logPath), QStringLiteral(MAROVEL_SUPPORT_EMAIL));
    else
        text += QStringLiteral("The error could not be written to \"%1\" (%2). Please send an "
                               "e-mail to %3 describing the error, your operating system and "
                               "the steps that reproduce it.")
                    .arg(QDir::toNativeSeparators(logPath), logError,
                         QStringLiteral(MAROVEL_SUPPORT_EMAIL));
    if (!recoveryPath.isEmpty())
        text += QStringLiteral("\n\nYour unsaved project was saved to \"%1\"; Marovel offers it "
                               "back at its next start.")
                    .arg(QDir::toNativeSeparators(recoveryPath));
    return text;
}
