#pragma once

#include "settings/ValueEncoding.h"

#include <QString>

#include <optional>

namespace pathwick::store {

// The time-zone and version values Windows keeps under HKEY_LOCAL_MACHINE, made from the
// platform's answers and stored the way Windows stores them; nothing for any other place.
std::optional<EncodedValue> systemValue(quint32 root, const QString& keyPath,
                                        const QString& valueName);

} // namespace pathwick::store
