#pragma once
// Sets environment variables of this process for a while and puts them back as they were when
// it goes out of scope (most recent first).
#include <QByteArray>
#include <QtGlobal>
#include <vector>

class TestScopedEnvironment {
public:
    TestScopedEnvironment() = default;
    TestScopedEnvironment(const TestScopedEnvironment&) = delete;
    TestScopedEnvironment& operator=(const TestScopedEnvironment&) = delete;
    ~TestScopedEnvironment() { Restore(); }

    // A null value unsets the variable.
    void Set(const char* name, const QByteArray& value) {
        saved_.push_back({QByteArray(name), qEnvironmentVariableIsSet(name), qgetenv(name)});
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    void Restore() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->WasSet)
                qputenv(it->Name.constData(), it->Value);
            else
                qunsetenv(it->Name.constData());
        }
        saved_.clear();
    }

private:
    struct TSaved {
        QByteArray Name;
        bool WasSet;
        QByteArray Value;
    };
    std::vector<TSaved> saved_;
};
