#include "dirlist/DropCheck.h"

#include "common/ValueFormats.h"
#include "dirlist/EditorTexts.h"

namespace pathwick {

namespace {
constexpr int DirectoryBit = 16;
} // namespace

bool isDirectoryAttribute(int attributeWord) {
    return attributeWord >= 0 && (attributeWord & DirectoryBit) != 0;
}

DropVerdict checkDrop(const QStringList& paths, int firstAttributeWord) {
    using namespace editor_texts;
    QString note;
    bool refused = false;
    if (paths.isEmpty() || !isDirectoryAttribute(firstAttributeWord)) {
        note = QString::fromLatin1(NotADirectory);
        refused = true;
    }
    if (paths.size() != 1) {
        note += QString::fromLatin1(DraggedStart) + formatThousands(paths.size()) + DraggedEnd;
        refused = true;
    }
    if (refused)
        return {false, QString(), QString::fromLatin1(OneDirectoryOnly) + note};
    return {true, paths.first(), QString()};
}

} // namespace pathwick
