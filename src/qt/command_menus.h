#pragma once

#include "teach/commands.h"

#include <QAction>

#include <array>
#include <functional>

class QMenuBar;
class Session;

// The menus, built from the teaching layer's command table: each item's text, keys and check mark
// as the table gives them, enabled as the session says, and triggering the command it names.
class CommandMenus {
  public:
    CommandMenus(QMenuBar& bar, const std::function<void(Command)>& trigger);

    QAction& action(Command command) { return *actions[static_cast<std::size_t>(command)]; }
    QList<QAction*> all() const { return {actions.begin(), actions.end()}; }
    // Shows each command as the session has it now.
    void refresh(const Session& session);

  private:
    std::array<QAction*, Commands.size()> actions{};
};
