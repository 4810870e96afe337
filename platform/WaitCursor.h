// The busy cursor held for a scope: every path out of the scope restores the normal cursor.
#pragma once

namespace platform {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    // Restores the normal cursor before the scope ends (before a closing message).
    void release();
    // Shows the busy cursor again after a release (once a question asked midway is answered).
    void hold();

private:
    bool m_held = true;
};

} // namespace platform
