// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: the fuzz input read as a script of operations,
// a feedback that plays nothing, a check whose failure is a crash (so the
// fuzzer keeps the input), and a limit on the time one input may take.

#include <time.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/random_source.h"
#include "scoring/drill_score.h"
#include "scoring/feedback.h"

namespace fuzz {

// Stops the run on a broken invariant; libFuzzer writes the input out as a crash.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool holds, const char* what)
{
    if (!holds) {
        fail(what);
    }
}

// The fuzz input, read front to back. Past its end every byte reads 0.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool done() const { return m_next >= m_size; }
    std::uint8_t byte() { return done() ? 0 : m_data[m_next++]; }
    std::uint64_t word()
    {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i) {
            value = value << 8 | byte();
        }
        return value;
    }
    // A typed text: a length byte and that many bytes; a length of 255 takes
    // the rest of the input, so a text can be as long as the input allows.
    std::string text()
    {
        const std::uint8_t length = byte();
        const std::size_t left = m_size - std::min(m_next, m_size);
        const std::size_t n = length == 255 ? left : std::min<std::size_t>(length, left);
        std::string taken(reinterpret_cast<const char*>(m_data + m_next), n);
        m_next += n;
        return taken;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
};

// The drills' chances, seeded from the fuzz input so that each input replays
// the same draws. A fixed-seed ClockRandomSource would do the same, but its
// re-seed, which every draw starts with, costs more than the rest of an input.
class Random final : public RandomSource {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    double nextUnit() override { return double(next() >> 11) * 0x1p-53; }
    void reseed() override { next(); }

private:
    // SplitMix64.
    std::uint64_t next()
    {
        std::uint64_t z = m_state += 0x9e3779b97f4a7c15;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return z ^ (z >> 31);
    }
    std::uint64_t m_state;
};

// The sound of a verdict, counted instead of played.
struct CountingFeedback final : Feedback {
    void play(Verdict) override { ++plays; }
    int plays = 0;
};

// The number written as a pupil might type it: the digits, sometimes after
// blanks or zeros and before a tail that ends the reading. Every form reads
// as `value` by the leading-number rule.
inline std::string typed(unsigned value, std::uint8_t form)
{
    static constexpr std::string_view heads[] = {"", " ", "\t0", "00", "\n +"};
    static constexpr std::string_view tails[] = {"", " ", "x", ".0", "e0", "\r7", ".", "e+", "٣"};
    std::string digits = std::to_string(value);
    // A blank inside the number is read past.
    if (form & 0x80 && digits.size() > 1) {
        digits.insert(1, " ");
    }
    return std::string(heads[form % std::size(heads)]) + digits +
           std::string(tails[form / 8 % std::size(tails)]);
}

// The six grade words and the empty one of a drill not graded yet.
inline bool isGradeWord(const std::string& word)
{
    static const std::string table[] = {"", gradeWord(0), gradeWord(50), gradeWord(60),
                                        gradeWord(70), gradeWord(80), gradeWord(90)};
    return std::find(std::begin(table), std::end(table), word) != std::end(table);
}

// The counters only grow, and the grade is a word of the table.
class ScoreWatch {
public:
    void check(const DrillScore& score)
    {
        fuzz::check(score.correctCount() >= m_correct, "the right count dropped");
        fuzz::check(score.wrongCount() >= m_wrong, "the wrong count dropped");
        fuzz::check(score.questionCount() >= m_questions, "the question count dropped");
        fuzz::check(isGradeWord(score.grade()), "a grade word outside the table");
        m_correct = score.correctCount();
        m_wrong = score.wrongCount();
        m_questions = score.questionCount();
    }
    std::int64_t answers() const { return m_correct + m_wrong; }

private:
    std::int64_t m_correct = 0, m_wrong = 0, m_questions = 0;
};

// The processor time this thread has used, in milliseconds: unlike the wall
// clock it does not count the time another program held the processor.
inline double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The slowest input seen, written out when the fuzzer ends.
struct Slowest {
    double milliseconds = 0;
    std::size_t size = 0;
    ~Slowest()
    {
        std::fprintf(stderr, "slowest input: %.3f ms of processor time (%zu bytes)\n",
                     milliseconds, size);
    }
};

// Runs one input through `run`, which must depend on the input alone. An input
// over the limit is run once more, so that only an input that is slow every
// time fails, and not one that a page fault or the first allocation slowed.
template <typename Run>
void timed(std::size_t size, Run run, double limitMilliseconds = 10.0)
{
    static Slowest slowest;
    double took = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const double start = cpuMilliseconds();
        run();
        took = cpuMilliseconds() - start;
        if (took <= limitMilliseconds) {
            break;
        }
    }
    if (took > slowest.milliseconds) {
        slowest.milliseconds = took;
        slowest.size = size;
    }
    if (took > limitMilliseconds) {
        std::fprintf(stderr, "this input took %.3f ms twice\n", took);
        fail("an input slower than the limit");
    }
}

// A drill target's whole run over one script; drill_entry.cpp hands each
// input to it, timed.
void run(Script& script);

}  // namespace fuzz
