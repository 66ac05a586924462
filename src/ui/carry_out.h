// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QTimer>
#include <vector>

// Carries out what a drill asked of its screen (see common/screen_requests.h)
// on the screen's own boxes and timers, in the order asked. `boxOf` and
// `timerOf` give the widget for one of the drill's boxes or timers. Starting
// a running timer restarts its countdown; focusing a box of a hidden screen
// does nothing.
template <typename Request, typename BoxOf, typename TimerOf>
void carryOut(const std::vector<Request>& requests, BoxOf boxOf, TimerOf timerOf)
{
    using Kind = typename Request::Kind;
    for (const Request& request : requests) {
        switch (request.kind) {
        case Kind::EmptyBox: boxOf(request.box)->clear(); break;
        case Kind::FocusBox: boxOf(request.box)->setFocus(); break;
        case Kind::StartTimer: timerOf(request.timer)->start(); break;
        case Kind::StopTimer: timerOf(request.timer)->stop(); break;
        }
    }
}
