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

private:
    bool m_held = true;
};

} // namespace platform
