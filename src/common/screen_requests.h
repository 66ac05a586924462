// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

// One thing a drill asks of its screen beside the state the screen draws: put
// the focus in a box, empty a box, start a timer's countdown afresh, stop a
// timer. These are moments, not states. Drawing focus from state would pull
// it back on every redraw from the box the pupil has just clicked, and a
// timer armed again must restart its countdown even though it was armed
// already.
//
// A box or timer is named by its place in the drill's own Box or Timer enum,
// counted from 0, so that any screen can carry the request out on its list of
// boxes and timers.
struct ScreenRequest {
    enum class Kind { EmptyBox, FocusBox, StartTimer, StopTimer };
    Kind kind;
    int target;

    bool operator==(const ScreenRequest&) const = default;
};

// The queue of a drill's requests, and which of its timers are armed. The
// screen takes the requests after each operation (and before a feedback
// sound, for those made so far) and carries each out once, in the order made.
class ScreenRequests {
public:
    template <typename Box>
    void emptyBox(Box box)
    {
        push(ScreenRequest::Kind::EmptyBox, box);
    }
    template <typename Box>
    void focus(Box box)
    {
        push(ScreenRequest::Kind::FocusBox, box);
    }
    template <typename Timer>
    void arm(Timer timer)
    {
        setArmed(index(timer), true);
        push(ScreenRequest::Kind::StartTimer, timer);
    }
    template <typename Timer>
    void disarm(Timer timer)
    {
        setArmed(index(timer), false);
        push(ScreenRequest::Kind::StopTimer, timer);
    }
    template <typename Timer>
    bool armed(Timer timer) const
    {
        const std::size_t at = index(timer);
        return at < m_armed.size() && m_armed[at];
    }

    // The requests made since the last call, oldest first.
    std::vector<ScreenRequest> take()
    {
        std::vector<ScreenRequest> taken;
        taken.swap(m_pending);
        return taken;
    }

private:
    template <typename Enum>
    static std::size_t index(Enum value)
    {
        return static_cast<std::size_t>(value);
    }
    template <typename Enum>
    void push(ScreenRequest::Kind kind, Enum target)
    {
        m_pending.push_back({kind, static_cast<int>(target)});
    }
    void setArmed(std::size_t at, bool armed)
    {
        if (at >= m_armed.size())
            m_armed.resize(at + 1, false);
        m_armed[at] = armed;
    }

    std::vector<ScreenRequest> m_pending;
    std::vector<bool> m_armed;
};
