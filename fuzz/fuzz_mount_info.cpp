// The text of /proc/self/mountinfo, read into the volumes that stand for drives.
#include "platform/linux/MountInfo.h"
#include "support/FuzzCheck.h"

using namespace pathwick::platform;

namespace {

// A path as the kernel writes it in mountinfo: blank, tab, newline and backslash as \ooo.
QString kernelEscaped(const QString& path) {
    QByteArray out;
    for (char byte : path.toUtf8()) {
        if (byte == ' ' || byte == '\t' || byte == '\n' || byte == '\\')
            out += '\\' + QByteArray::number(int(byte), 8).rightJustified(3, '0');
        else
            out += byte;
    }
    return QString::fromUtf8(out);
}

QString mountLine(const QString& mountPath, const QString& type, const QString& device) {
    return QStringLiteral("\n36 25 8:1 / %1 rw,relatime shared:1 - %2 %3 rw\n")
        .arg(kernelEscaped(mountPath), type, kernelEscaped(device));
}

bool isBootPath(const QString& path) {
    return path == u"/boot" || path.startsWith(u"/boot/");
}

qsizetype countAt(const QList<Volume>& volumes, const QString& mountPath) {
    return std::count_if(volumes.begin(), volumes.end(),
                         [&](const Volume& volume) { return volume.mountPath == mountPath; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString path = u'/' + QString::fromStdString(input.ConsumeRandomLengthString(200));
    const QString device =
        QStringLiteral("/dev/") + QString::fromStdString(input.ConsumeRandomLengthString(40));
    const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());

    // Whatever the text, the result is drives only, each path once, in path order.
    const QList<Volume> volumes = volumesFromMountInfo(text);
    for (qsizetype i = 0; i < volumes.size(); ++i) {
        const Volume& volume = volumes.at(i);
        FUZZ_CHECK(volume.device.startsWith(u"/dev/") && !volume.device.startsWith(u"/dev/loop"));
        FUZZ_CHECK(!isBootPath(volume.mountPath));
        FUZZ_CHECK(volume.label.isEmpty());
        if (i > 0)
            FUZZ_CHECK(volumes.at(i - 1).mountPath < volume.mountPath);
    }

    // A disk mounted last at any path is listed with that path and device, whatever
    // characters they hold ...
    const QString withDisk = text + mountLine(path, QStringLiteral("ext4"), device);
    const QList<Volume> shown = volumesFromMountInfo(withDisk);
    const bool wanted = !isBootPath(path) && !device.startsWith(u"/dev/loop");
    FUZZ_CHECK_EQ(countAt(shown, path), qsizetype(wanted ? 1 : 0));
    for (const Volume& volume : shown)
        if (volume.mountPath == path)
            FUZZ_CHECK_EQ(volume.device, device);
    // ... and a later tmpfs over it hides it, leaving the other drives as they were.
    const QList<Volume> hidden =
        volumesFromMountInfo(withDisk + mountLine(path, QStringLiteral("tmpfs"), device));
    FUZZ_CHECK_EQ(countAt(hidden, path), qsizetype(0));
    FUZZ_CHECK_EQ(hidden.size(), shown.size() - (wanted ? 1 : 0));
    return 0;
}
