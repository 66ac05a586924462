// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <vector>

// What a drill asks of its screen beside the state the screen draws: put the
// focus in a box, empty a box, start a timer's countdown afresh, stop a
// timer. These are moments, not states. Drawing focus from state would pull
// it back on every redraw from the box the pupil has just clicked, and a
// timer armed again must restart its countdown even though it was armed
// already. So the drill queues them, and the screen carries each out once,
// in the order made, when it draws the drill's state (before a feedback
// sound for those made so far, after the operation for the rest).
//
// It also keeps which timers are armed, for the drill's own use and its
// tests. Box and Timer are the drill's enums; timers are numbered from 0.
template <typename Box, typename Timer, std::size_t timerCount>
class ScreenRequests {
public:
    struct Request {
        enum class Kind { EmptyBox, FocusBox, StartTimer, StopTimer };
        Kind kind;
        Box box{};
        Timer timer{};

        bool operator==(const Request&) const = default;
    };

    void emptyBox(Box box) { m_pending.push_back({Request::Kind::EmptyBox, box, {}}); }
    void focus(Box box) { m_pending.push_back({Request::Kind::FocusBox, box, {}}); }
    void arm(Timer timer)
    {
        m_armed[index(timer)] = true;
        m_pending.push_back({Request::Kind::StartTimer, {}, timer});
    }
    void disarm(Timer timer)
    {
        m_armed[index(timer)] = false;
        m_pending.push_back({Request::Kind::StopTimer, {}, timer});
    }

    bool armed(Timer timer) const { return m_armed[index(timer)]; }

    // The requests made since the last call, oldest first.
    std::vector<Request> take()
    {
        std::vector<Request> taken;
        taken.swap(m_pending);
        return taken;
    }

private:
    static std::size_t index(Timer timer) { return static_cast<std::size_t>(timer); }

    std::vector<Request> m_pending;
    std::array<bool, timerCount> m_armed{};
};
