// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "distribution.h"  // each drill test also checks its draws
#include "scoring/judging_drill.h"

// What the drill has asked of its screen since last taken, in order: e to empty a box, f to
// focus it, s to start a timer and x to stop it, each followed by its number.
inline std::string asked(JudgingDrill& drill)
{
    std::string s;
    for (const auto& [kind, target] : drill.takeRequests())
        s += "efsx"[int(kind)] + std::to_string(target);
    return s;
}

// A verdict as the pupil has it: the message if shown, the right and wrong counts, the grade
// word, and what was asked of the screen (of a copy, so the drill keeps its requests).
template <typename Drill>
std::string seen(Drill drill)
{
    const DrillScore& score = drill.score();
    return (drill.feedbackShown() ? drill.feedbackText() : "") + "|" +
           std::to_string(score.correctCount()) + "|" + std::to_string(score.wrongCount()) + "|" +
           score.grade() + "|" + asked(drill);
}

// A judging drill over scripted draws, with a copy of it taken at each sound, and each sound
// heard (+ right, - wrong) with what had been seen of the verdict when it played.
template <typename Drill>
struct Rig final : Feedback {
    explicit Rig(std::vector<double> units) : random(std::move(units)) {}
    void play(Verdict verdict) override
    {
        played.push_back(drill);
        heard += (verdict == Verdict::Right ? "+" : "-") + seen(drill);
    }
    ScriptedRandomSource random;
    Drill drill{random, *this};
    std::vector<Drill> played;
    std::string heard;
};
