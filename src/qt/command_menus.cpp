#include "qt/command_menus.h"

#include "qt/units.h"
#include "teach/session.h"

#include <QMenuBar>

CommandMenus::CommandMenus(QMenuBar& bar, const std::function<void(Command)>& trigger) {
    QMenu* menu = nullptr;
    for (const CommandEntry& entry : Commands) {
        if (!menu || menu->title() != toQString(entry.menu)) {
            menu = bar.addMenu(toQString(entry.menu));
            menu->setToolTipsVisible(true);
        }
        if (entry.separatorBefore)
            menu->addSeparator();
        QAction* item = menu->addAction(toQString(entry.text));
        QList<QKeySequence> keys;
        for (std::string_view key : entry.keys)
            if (!key.empty())
                keys << QKeySequence::fromString(toQString(key), QKeySequence::PortableText);
        item->setShortcuts(keys);
        item->setCheckable(entry.checkable);
        QObject::connect(item, &QAction::triggered, item,
                         [trigger, command = entry.command] { trigger(command); });
        actions[static_cast<std::size_t>(entry.command)] = item;
    }
}

void CommandMenus::refresh(const Session& session) {
    for (const CommandEntry& entry : Commands) {
        QAction& item = action(entry.command);
        item.setEnabled(session.isEnabled(entry.command));
        item.setText(toQString(session.textOf(entry.command)));
        // Qt shows no status tip for a disabled item: the reason stands where the pointer rests.
        item.setToolTip(toQString(session.whyDisabled(entry.command)));
        if (entry.checkable)
            item.setChecked(session.isChecked(entry.command));
    }
}
