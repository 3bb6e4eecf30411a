#pragma once

#include <QAction>
#include <QKeySequence>

// A menu item's text and keys. The keys reach the window whichever control has the focus; none
// is a key that the speed bar or a button takes.
inline void prepareMenuItem(QAction& item, const QString& text, QList<QKeySequence> keys = {}) {
    item.setText(text);
    item.setShortcuts(keys);
}
