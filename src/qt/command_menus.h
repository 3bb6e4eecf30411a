#pragma once

#include "teach/session/screen.h"

#include <QAction>

#include <array>
#include <functional>

class QMenuBar;

// The menus, built from the teaching layer's command table: each item's text, keys and check mark
// as the table gives them, named by its id, shown as the session describes it, and triggering the
// command it names.
class CommandMenus {
  public:
    CommandMenus(QMenuBar& bar, const std::function<void(Command)>& trigger);

    QAction& action(Command command) { return *actions[static_cast<std::size_t>(command)]; }
    QList<QAction*> all() const { return {actions.begin(), actions.end()}; }
    // Shows each command as given.
    void refresh(const std::vector<CommandShown>& shown);

  private:
    std::array<QAction*, Commands.size()> actions{};
};
