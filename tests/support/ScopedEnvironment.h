#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace pathwick::test {

// Sets or clears environment variables for a test and puts the old values back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->wasSet)
                qputenv(it->name.constData(), it->value);
            else
                qunsetenv(it->name.constData());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const char* name, const QByteArray& value) {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char* name) {
        remember(name);
        qunsetenv(name);
    }

private:
    struct Saved {
        QByteArray name;
        QByteArray value;
        bool wasSet;
    };
    void remember(const char* name) {
        saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    }
    QList<Saved> saved_;
};

} // namespace pathwick::test
