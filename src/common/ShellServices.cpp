#include "common/ShellServices.h"

#include "common/CommonTexts.h"
#include "common/ErrorNotice.h"
#include "common/Version.h"
#include "platform/Platform.h"

#include <exception>
#include <system_error>

namespace pathwick {

namespace {

platform::ShowMode showModeFor(int windowStyle) {
    switch (windowStyle) {
    case 1:
        return platform::ShowMode::Maximised;
    case 2:
        return platform::ShowMode::Minimised;
    default:
        return platform::ShowMode::Normal;
    }
}

void reportOpenError(const QString& fileName, const QString& description, int number) {
    const QString text = QString(texts::FileErrorCantFind) + "\r\n\t" + fileName + "\r\n\r\n\t" +
                         texts::FileErrorError + "\t\t" + description + "\r\n\t" +
                         texts::FileErrorNumber + '\t' + QString::number(number) + "\r\n";
    showErrorNotice(texts::FileErrorTitle, text);
}

} // namespace

int OpenWithShell(const QString& fileName, const QString& parameters, int windowStyle) {
    QString target = fileName;
    if (target.isEmpty()) {
        const QString folder = ProgramFolder();
        target =
            folder.isEmpty() ? QString(texts::HelpTextFile) : folder + '/' + texts::HelpTextFile;
    }
    try {
        return platform::shell().open(target, parameters, showModeFor(windowStyle));
    } catch (const std::system_error& error) {
        reportOpenError(target, QString::fromLocal8Bit(error.what()), error.code().value());
    } catch (const std::exception& error) {
        reportOpenError(target, QString::fromLocal8Bit(error.what()), 0);
    }
    return 0;
}

} // namespace pathwick
