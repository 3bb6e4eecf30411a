#pragma once

#include "teach/session/session.h"

// The session's parts, for tests that drive or inspect the window and the lesson directly.
class SessionProbe {
  public:
    static KeptControls& kept(Session& session) { return session.kept; }
    static TimerHold& hold(Session& session) { return session.hold; }
    static MessageWatch& watch(Session& session) { return session.watch; }
    static DrawingLog& drawing(Session& session) { return session.drawing; }
    static Fmhull& form(Session& session) { return session.form; }
    static Lesson& lesson(Session& session) { return session.lesson; }
    static PointInput& input(Session& session) { return session.input; }
};
