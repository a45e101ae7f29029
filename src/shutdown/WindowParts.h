#pragma once

#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>
#include <QString>

// Small pieces the shutdown windows share.
namespace pathwick::window_parts {

// The widget with its designer name as object name, so tests and tools find it.
template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Selects an entry, leaving the list where it was when the entry does not exist.
inline void selectIfPresent(QComboBox* list, qint64 index) {
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(int(index));
}

// The OK and Cancel buttons at the right of a row below the window's frames.
inline QHBoxLayout* buttonRow(QPushButton* ok, QPushButton* cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace pathwick::window_parts
