// The command layer played for real: the disk driver records what was heard.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "MciPlayer.h"
#include "support/DiskAudio.h"

using namespace nv;
using namespace nv::test;
using namespace std::chrono_literals;

namespace {

class MciPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        output = scratch / "heard.raw";
        useDiskAudio(output);
    }
    void TearDown() override { mciSendString("close all"); }

    std::string text(const std::string& command) {
        const MciAnswer answer = mciSendString(command);
        EXPECT_EQ(answer.code, kMciOk) << command;
        return answer.text;
    }
    int ms(const std::string& command) { return std::stoi(text(command)); }

    // Waits (at most ten seconds) until `done` holds: a state of the device or of what was heard.
    template <class Done>
    bool waitFor(Done done) {
        for (int i = 0; i < 2000 && !done(); ++i) std::this_thread::sleep_for(5ms);
        return done();
    }
    // Waits until the device has played to its end.
    void waitUntilStopped(const std::string& alias) {
        waitFor([&] { return text("status " + alias + " mode") != "playing"; });
    }
    // Waits until the device has played `ms` milliseconds of its sound, and until the output has
    // been silent for `ms` milliseconds.
    bool played(const std::string& alias, int ms) {
        return waitFor([&] { return std::stoi(text("Status " + alias + " position")) >= ms; });
    }
    bool silentFor(int ms) {
        return waitFor([&] { return Recording(output).silentTailMs() >= ms; });
    }

    TempDir scratch;
    std::string output;
};

TEST_F(MciPlayerTest, PlaysPausesResumesAndReportsAsMciDoes) {
    const std::string clip = scratch / "tone.wav";
    makeClip(clip, "synth 0.5 sine 440");
    EXPECT_FALSE(MciPlayer::instance().audioOpen());

    text("Open " + clip + " ALIAS wav7 TYPE Waveaudio wait");
    EXPECT_TRUE(MciPlayer::instance().audioOpen());
    EXPECT_EQ(text("Status wav7 length"), "500");
    EXPECT_EQ(text("Status WAV7 mode"), "stopped");
    EXPECT_EQ(text("Status wav7 position"), "0");

    text("Play wav7");
    EXPECT_EQ(text("Status wav7 mode"), "playing");
    ASSERT_TRUE(played("wav7", 150));
    text("Pause wav7");
    EXPECT_EQ(text("Status wav7 mode"), "paused");
    const int paused = ms("Status wav7 position");
    EXPECT_GT(paused, 0);
    EXPECT_LT(paused, 500);
    ASSERT_TRUE(silentFor(160));  // the pause is heard as silence
    EXPECT_EQ(ms("Status wav7 position"), paused);

    text("Play wav7");
    EXPECT_EQ(text("Status wav7 mode"), "playing");
    waitUntilStopped("wav7");
    EXPECT_EQ(text("Status wav7 mode"), "stopped");
    EXPECT_EQ(text("Status wav7 position"), "500");
    // At its end a device has nothing left to play.
    text("Play wav7");
    EXPECT_EQ(text("Status wav7 mode"), "stopped");
    ASSERT_TRUE(silentFor(70));
    text("Close wav7");
    EXPECT_FALSE(MciPlayer::instance().audioOpen());

    const Recording heard(output);
    EXPECT_NEAR(heard.loudMs(), 500, 60);
    EXPECT_NEAR(heard.frequency(), 440, 20);
    EXPECT_GE(heard.longestGapMs(), 150);  // the pause
    EXPECT_GE(heard.silentTailMs(), 60);
}

TEST_F(MciPlayerTest, SeekMovesThePositionAndStopSilences) {
    const std::string clip = scratch / "long tone.wav";
    makeClip(clip, "synth 1.0 sine 660");
    text("open \"" + clip + "\" alias snd type waveaudio");
    text("Seek snd to 600");
    EXPECT_EQ(text("Status snd position"), "600");
    text("Play snd wait");  // only the last 400 ms are heard
    EXPECT_EQ(text("Status snd mode"), "stopped");
    EXPECT_EQ(text("Status snd position"), "1000");

    text("Seek snd to start");
    text("Play snd");
    ASSERT_TRUE(played("snd", 200));
    text("Stop snd");
    EXPECT_EQ(text("Status snd mode"), "stopped");
    const int stoppedAt = ms("Status snd position");
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 1000);
    ASSERT_TRUE(silentFor(260));  // the stop is heard as silence
    EXPECT_EQ(ms("Status snd position"), stoppedAt);

    // A pause, then a stop, then a new play: the earlier pause must not hold the sound.
    text("Play snd from 700");
    text("Pause snd");
    text("Stop snd");
    text("Play snd wait");
    EXPECT_EQ(text("Status snd position"), "1000");

    EXPECT_EQ(mciSendString("Seek snd to 1001").code, kMciErrOutOfRange);
    EXPECT_EQ(mciSendString("Seek snd to soon").code, kMciErrBadInteger);
    text("Close snd");

    const Recording heard(output);
    // 400 ms after the seek, about 200 ms before the stop, 300 ms after "from 700".
    EXPECT_NEAR(heard.loudMs(), 900, 120);
    EXPECT_LT(heard.loudMs(), 1000);
    EXPECT_NEAR(heard.frequency(), 660, 30);
    EXPECT_GE(heard.longestGapMs(), 250);  // the silence after Stop
}

TEST_F(MciPlayerTest, DevicesPlayTogetherAndStopAlone) {
    const std::string a = scratch / "a.wav", b = scratch / "b.ogg";
    makeClip(a, "synth 0.4 sine 440");
    makeClip(b, "synth 0.3 sine 880");
    text("Open " + a + " alias first type waveaudio");
    text("Open " + b + " alias second type mpegvideo");
    EXPECT_EQ(text("status second length"), "300");
    text("Play first");
    text("Play second");
    EXPECT_EQ(text("status first mode"), "playing");
    EXPECT_EQ(text("status second mode"), "playing");
    text("Stop first");
    EXPECT_EQ(text("status first mode"), "stopped");
    EXPECT_EQ(text("status second mode"), "playing");
    waitUntilStopped("second");
    EXPECT_EQ(text("status second position"), "300");
    text("close all");
    EXPECT_FALSE(MciPlayer::instance().audioOpen());
    EXPECT_NEAR(Recording(output).loudMs(), 300, 60);
}

TEST_F(MciPlayerTest, BadCommandsAndUnknownDevicesAnswerNothing) {
    const std::string clip = scratch / "tone.wav", junk = scratch / "junk.wav";
    makeClip(clip, "synth 0.2 sine 440");
    std::ofstream(junk) << "not a sound";

    EXPECT_EQ(mciSendString("Status nosuch mode").code, kMciErrInvalidDeviceName);
    EXPECT_EQ(mciSendString("Open " + scratch / "missing.wav" + " alias m").code, kMciErrFileNotFound);
    EXPECT_EQ(mciSendString("Open " + junk + " alias j type waveaudio").code, kMciErrInvalidFile);
    const MciAnswer afterFailedOpen = mciSendString("Status j length");
    EXPECT_EQ(afterFailedOpen.code, kMciErrInvalidDeviceName);
    EXPECT_EQ(afterFailedOpen.text, "");
    EXPECT_FALSE(MciPlayer::instance().audioOpen());  // a failed open leaves no device behind
    EXPECT_EQ(mciSendString("Open \"" + clip + " alias t").code, kMciErrNoClosingQuote);
    EXPECT_EQ(mciSendString("Rewind t").code, kMciErrUnrecognizedCommand);

    text("Open " + clip + " alias t type waveaudio wait");
    EXPECT_EQ(mciSendString("Open " + clip + " alias T").code, kMciErrDuplicateAlias);
    EXPECT_EQ(mciSendString("Status t volume").code, kMciErrUnrecognizedKeyword);
    text("Close t");
    EXPECT_EQ(mciSendString("Close t").code, kMciErrInvalidDeviceName);
}

TEST(SoundDevice, DummyHasOneAndAnEmptySoundSystemHasNone) {
    TempDir scratch;
    useDummyAudio();
    EXPECT_TRUE(HasSoundDevice());
    EXPECT_FALSE(MciPlayer::instance().audioOpen());  // asking does not open the device

    useNoAudioDevice(scratch / "empty-alsa.conf");
    EXPECT_FALSE(HasSoundDevice());
    const std::string clip = scratch / "tone.wav";
    makeClip(clip, "synth 0.2 sine 440");
    EXPECT_EQ(mciSendString("Open " + clip + " alias t type waveaudio").code, kMciErrHardware);
    EXPECT_EQ(mciSendString("Status t mode").text, "");
    unsetenv("ALSA_CONFIG_PATH");
}

}  // namespace
