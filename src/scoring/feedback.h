// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The verdict of one judged answer, as the pupil hears it.
enum class Verdict { Right, Wrong };

// How a drill asks its screen for the feedback sound in the middle of an
// operation. The screen shows what has changed so far, then plays the sound
// and returns only when it has ended.
class Feedback {
public:
    virtual ~Feedback() = default;
    virtual void play(Verdict verdict) = 0;
};
