#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QSet>
#include <QStringList>

// Recording stand-ins for the platform services, for tests and benchmarks.
namespace pathwick::platform::fake {

class FakeShellLauncher : public ShellLauncher {
public:
    struct Call {
        QString target;
        QString parameters;
        ShowMode mode;
    };
    QList<Call> calls;
    int result = ShellResult::Success;

    int open(const QString& target, const QString& parameters, ShowMode mode) override {
        calls.append({target, parameters, mode});
        return result;
    }
    QStringList targets() const {
        QStringList out;
        for (const Call& call : calls)
            out.append(call.target);
        return out;
    }
};

class FakeProcessList : public ProcessList {
public:
    std::optional<QStringList> names = QStringList{};
    std::optional<QStringList> executableNames() override { return names; }
};

class FakeKeyState : public KeyState {
public:
    QSet<int> down;
    int snapshots = 0;
    bool isDown(int virtualKey) override { return down.contains(virtualKey); }
    KeySnapshot snapshot(bool withMouseButtons) override {
        ++snapshots;
        KeySnapshot keys;
        for (int key : down)
            if (withMouseButtons || key < 1 || key > 4)
                keys.setDown(key);
        return keys;
    }
};

class FakeSoundOutput : public SoundOutput {
public:
    QStringList played;
    bool result = true;
    bool play(const QString& wavFile, bool) override {
        played.append(wavFile);
        return result;
    }
};

class FakeSystemInfo : public SystemInfo {
public:
    QString host = QStringLiteral("TESTPC");
    QString prettyName = QStringLiteral("Test Linux 1");
    QString kernel = QStringLiteral("6.1.0-test");
    TimeZoneValues zone;
    QString hostName() override { return host; }
    QString osPrettyName() override { return prettyName; }
    QString kernelRelease() override { return kernel; }
    TimeZoneValues timeZone() override { return zone; }
};

class FakeVolumes : public Volumes {
public:
    QList<Volume> items;
    QList<Volume> list() override { return items; }
};

class FakeFolderWindows : public FolderWindows {
public:
    int closeAllCalls = 0;
    bool closeAll() override {
        ++closeAllCalls;
        return true;
    }
};

class FakeKeystrokeSender : public KeystrokeSender {
public:
    QStringList typed;
    Outcome outcome = Outcome::Typed;
    void type(const QString& text, std::function<void(Outcome)> done) override {
        typed.append(text);
        if (done)
            done(outcome);
    }
};

// Installs a whole set of fakes for its lifetime; the real services come back afterwards.
struct FakePlatform {
    std::shared_ptr<FakeShellLauncher> shell = std::make_shared<FakeShellLauncher>();
    std::shared_ptr<FakeProcessList> processes = std::make_shared<FakeProcessList>();
    std::shared_ptr<FakeKeyState> keys = std::make_shared<FakeKeyState>();
    std::shared_ptr<FakeSoundOutput> sound = std::make_shared<FakeSoundOutput>();
    std::shared_ptr<FakeSystemInfo> system = std::make_shared<FakeSystemInfo>();
    std::shared_ptr<FakeVolumes> volumes = std::make_shared<FakeVolumes>();
    std::shared_ptr<FakeFolderWindows> folderWindows = std::make_shared<FakeFolderWindows>();
    std::shared_ptr<FakeKeystrokeSender> keystrokes = std::make_shared<FakeKeystrokeSender>();

    FakePlatform() {
        reset();
        install({shell, processes, keys, sound, system, volumes, folderWindows, keystrokes});
    }
    ~FakePlatform() { reset(); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;
};

} // namespace pathwick::platform::fake
