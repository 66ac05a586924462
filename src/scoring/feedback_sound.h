// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/feedback.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// What a call to the sound player ended up doing.
enum class SoundOutcome {
    PlayedFile,   // the requested file played to its end
    PlayedAlert,  // the file could not be read; the desktop's alert sound played instead
    // Nothing could be played through the audio server: no usable sound file, or no server
    // answered in time, or it refused the stream, or the call failed on its way. The
    // system's own signal was given instead, QApplication::beep(): the window-system bell,
    // which needs no audio server on X11 (on Wayland and offscreen it makes no sound).
    Beeped,
};

// How long a call may wait for the audio server. A stuck server must not
// freeze the program for longer than this.
struct SoundDeadlines {
    // To connect to the server and to get the playback stream ready.
    std::chrono::milliseconds connect{1000};
    // Added to the sound's own length for writing it and waiting until it has been heard.
    std::chrono::milliseconds beyondLength{2000};
};

// Plays <program folder>/sound/yes.wav (Right) or no.wav (Wrong) and returns when the sound
// has ended; the program folder is QCoreApplication::applicationDirPath(), never the working
// folder. No Qt event is handled during the call. It never throws.
SoundOutcome playFeedback(Verdict verdict);

// The same for any file: plays it, or the desktop's alert sound when it is missing or
// unreadable (sound theme bell-window-system, then bell). When no sound file is usable, or
// the audio server is missing, stuck or refuses the stream, it gives up at once (a stuck
// server within the deadlines) and calls QApplication::beep().
SoundOutcome playSoundFile(const std::string& path);
SoundOutcome playSoundFile(const std::string& path, const SoundDeadlines& deadlines);

// A whole sound decoded to interleaved float samples.
struct DecodedSound {
    std::vector<float> samples;
    int rate = 0;
    int channels = 0;

    long frames() const { return channels > 0 ? long(samples.size()) / channels : 0; }
    double seconds() const { return rate > 0 ? double(frames()) / rate : 0.0; }
};

// Decodes any file libsndfile reads (every WAV variant, Ogg Vorbis, ...). Empty for a missing,
// unreadable or empty file, and for files no feedback sound can sensibly be: longer than
// kMaxSoundSeconds, more than kMaxSoundChannels channels, or an odd sample rate.
inline constexpr int kMaxSoundSeconds = 30;
inline constexpr int kMaxSoundChannels = 8;
std::optional<DecodedSound> decodeSoundFile(const std::string& path);

// The desktop's alert sound files in the order they are tried: the XDG sound theme lookup of
// bell-window-system, then bell, in $XDG_DATA_HOME/sounds and each $XDG_DATA_DIRS/sounds.
// Only files that exist are listed.
std::vector<std::string> alertSoundCandidates();
