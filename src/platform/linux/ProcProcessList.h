#pragma once

#include "platform/ProcessList.h"

#include <QString>

namespace pathwick::platform {

// The current user's processes from /proc: the base name of each one's executable, in
// ascending process-id order. Processes whose executable cannot be read are left out.
class ProcProcessList : public ProcessList {
public:
    explicit ProcProcessList(QString procRoot = QStringLiteral("/proc"));
    std::optional<QStringList> executableNames() override;

private:
    QString procRoot_;
};

// The base name of an executable link's target; the kernel's " (deleted)" mark is dropped
// so a program replaced on disk while it runs keeps its name.
QString executableBaseName(const QString& linkTarget);

} // namespace pathwick::platform
