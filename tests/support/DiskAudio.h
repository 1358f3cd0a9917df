// The sound device seam for tests: SDL's "disk" driver writes everything the program plays to a
// file, in real time, as 16-bit stereo frames at 44100 Hz (the player's mixing format). These
// helpers choose a driver, make short clips with sox, and read back what was heard.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace nv::test {

// Plays into `file` from now on (for the next sound device the program opens).
inline void useDiskAudio(const std::string& file) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
}

// A device that plays into nothing, as fast as real time.
inline void useDummyAudio() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

// A sound system with no playback device at all: ALSA with an empty configuration.
inline void useNoAudioDevice(const std::string& emptyConfig) {
    std::ofstream(emptyConfig).flush();
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    setenv("ALSA_CONFIG_PATH", emptyConfig.c_str(), 1);
}

// Makes a clip with sox: `synth` is sox's effect text, for example "synth 0.5 sine 440".
inline void makeClip(const std::string& file, const std::string& synth, int rate = 22050) {
    const std::string command =
        "sox -D -n -r " + std::to_string(rate) + " -c 1 -b 16 '" + file + "' " + synth + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// What the disk driver recorded, cut into 10 ms windows.
class Recording {
public:
    static constexpr int kRate = 44100;
    static constexpr int kWindowFrames = kRate / 100;

    explicit Recording(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        int16_t frame[2];
        while (in.read(reinterpret_cast<char*>(frame), sizeof frame)) left_.push_back(frame[0]);
    }

    // Per window: true when it holds sound (RMS above about -50 dBFS).
    std::vector<bool> loudWindows() const {
        std::vector<bool> loud;
        for (size_t at = 0; at + kWindowFrames <= left_.size(); at += kWindowFrames) {
            double sum = 0;
            for (size_t i = at; i < at + kWindowFrames; ++i) sum += double(left_[i]) * left_[i];
            loud.push_back(std::sqrt(sum / kWindowFrames) > 100);
        }
        return loud;
    }

    // Milliseconds of sound heard.
    int loudMs() const {
        int n = 0;
        for (bool w : loudWindows()) n += w;
        return n * 10;
    }

    // Milliseconds of silence after the last sound.
    int silentTailMs() const {
        const auto loud = loudWindows();
        int n = 0;
        for (auto it = loud.rbegin(); it != loud.rend() && !*it; ++it) ++n;
        return n * 10;
    }

    // The longest silence between the first and the last sound, in milliseconds.
    int longestGapMs() const {
        const auto loud = loudWindows();
        int best = 0, run = 0;
        bool started = false;
        for (bool w : loud) {
            if (w) {
                if (started) best = std::max(best, run);
                started = true;
                run = 0;
            } else {
                ++run;
            }
        }
        return best * 10;
    }

    // The main frequency of the sound heard, from its zero crossings.
    double frequency() const {
        const auto loud = loudWindows();
        long crossings = 0, frames = 0;
        for (size_t w = 0; w < loud.size(); ++w) {
            if (!loud[w]) continue;
            const size_t at = w * kWindowFrames;
            for (size_t i = at + 1; i < at + kWindowFrames; ++i)
                crossings += (left_[i - 1] < 0) != (left_[i] < 0);
            frames += kWindowFrames;
        }
        return frames ? crossings * kRate / 2.0 / frames : 0;
    }

private:
    std::vector<int16_t> left_;
};

}  // namespace nv::test
