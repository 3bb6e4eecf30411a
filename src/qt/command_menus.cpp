#include "qt/command_menus.h"

#include "qt/units.h"

#include <QActionGroup>
#include <QMenuBar>

CommandMenus::CommandMenus(QMenuBar& bar, const std::function<void(Command)>& trigger) {
    QMenu* menu = nullptr;
    // A group's radio items stand in a submenu of its name.
    QMenu* groupMenu = nullptr;
    QActionGroup* group = nullptr;
    for (const CommandEntry& entry : Commands) {
        if (!menu || menu->title() != toQString(entry.menu)) {
            menu = bar.addMenu(toQString(entry.menu));
            menu->setToolTipsVisible(true);
        }
        if (entry.separatorBefore)
            menu->addSeparator();
        if (!entry.group.empty() && (!groupMenu || groupMenu->title() != toQString(entry.group))) {
            groupMenu = menu->addMenu(toQString(entry.group));
            group = new QActionGroup(groupMenu);
        }
        QAction* item = (entry.group.empty() ? menu : groupMenu)->addAction(toQString(entry.text));
        if (!entry.group.empty())
            group->addAction(item);
        QList<QKeySequence> keys;
        for (std::string_view key : entry.keys)
            if (!key.empty())
                keys << QKeySequence::fromString(toQString(key), QKeySequence::PortableText);
        item->setShortcuts(keys);
        item->setCheckable(entry.checkable);
        item->setObjectName(toQString(entry.id));
        QObject::connect(item, &QAction::triggered, item,
                         [trigger, command = entry.command] { trigger(command); });
        actions[static_cast<std::size_t>(entry.command)] = item;
    }
}

void CommandMenus::refresh(const std::vector<CommandShown>& shown) {
    for (const CommandShown& command : shown) {
        QAction& item = action(command.entry->command);
        item.setEnabled(command.enabled);
        item.setText(toQString(command.text));
        // Qt shows no status tip for a disabled item: the reason stands where the pointer rests.
        item.setToolTip(toQString(command.why));
        if (command.entry->checkable)
            item.setChecked(command.checked);
    }
}
