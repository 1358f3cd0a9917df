// The player's command strings, seen as they reach the command layer, and the player used
// for real on the program's own alert sound.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "DateValue.h"
#include "MciPlayer.h"
#include "clsMMedia.h"
#include "support/DiskAudio.h"

using namespace nv;
using namespace nv::test;

namespace {

class MMediaTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyAudio();
        at(10, 7);
        previousObserver = MciPlayer::instance().setCommandObserver(
            [this](const std::string& command) { sent.push_back(command); });
    }
    void TearDown() override {
        MciPlayer::instance().setCommandObserver(previousObserver);
        setClockSource({});
        mciSendString("close all");
    }
    void at(int hour, int minute) {
        setClockSource([=] { return dateSerial(2026, 12, 7) + timeSerial(hour, minute, 0); });
    }
    std::string clip(const std::string& name, double seconds = 0.2) {
        const std::string file = scratch / name;
        makeClip(file, "synth " + std::to_string(seconds) + " sine 440");
        return file;
    }

    TempDir scratch;
    std::vector<std::string> sent;
    MciPlayer::CommandObserver previousObserver;
};

using Log = std::vector<std::string>;

TEST_F(MMediaTest, OpenBuildsAliasAndTypeFromTheNameAndTheMinute) {
    clsMMedia player;
    at(10, 45);
    player.mmOpen("C:\\My Sounds\\call.wav");
    EXPECT_EQ(sent, Log{"Open \"C:\\My Sounds\\call.wav\" ALIAS wav45 TYPE Waveaudio wait"});
    EXPECT_EQ(player.Filename(), "C:\\My Sounds\\call.wav");

    // The open failed, yet the alias stays: later commands address a device that is not there.
    sent.clear();
    EXPECT_EQ(player.Status(), "");
    EXPECT_EQ(player.Length(), 0);
    player.mmPlay();
    EXPECT_EQ(sent, (Log{"Status wav45 mode", "Status wav45 length", "Play wav45"}));

    sent.clear();
    at(23, 0);
    player.Filename("SONG.Mid");
    EXPECT_EQ(sent, (Log{"Close wav45", "Open SONG.Mid ALIAS Mid0 TYPE Sequencer wait"}));
    sent.clear();
    player.mmOpen("/videos/intro.AVI");
    EXPECT_EQ(sent, (Log{"Close Mid0", "Open /videos/intro.AVI ALIAS AVI0 TYPE AviVideo wait"}));
}

TEST_F(MMediaTest, AnUnknownTypeClosesThePlayerAndAClosedPlayerSendsNothing) {
    clsMMedia player;
    player.Filename(clip("adhan.wav"));
    EXPECT_EQ(player.Status(), "stopped");
    sent.clear();
    player.mmOpen("/music/adhan.mp3");
    EXPECT_EQ(sent, Log{"Close wav7"});
    EXPECT_EQ(player.Filename(), "");

    sent.clear();
    EXPECT_EQ(player.Length(), 0);
    EXPECT_EQ(player.Position(), 0);
    EXPECT_EQ(player.Status(), "");
    player.mmClose();
    player.mmPlay();
    player.mmPause();
    player.mmStop();
    EXPECT_TRUE(sent.empty());
    player.Position(1500);  // Seek alone is sent even then
    EXPECT_EQ(sent, Log{"Seek  to 1500"});
}

TEST_F(MMediaTest, PlaysWithAndWithoutWaitAndReadsTheDevice) {
    const std::string file = clip("short tone.wav", 0.3);
    {
        clsMMedia player;
        player.Filename(file);
        EXPECT_EQ(player.Length(), 300);
        player.Position(2.5f);
        EXPECT_EQ(player.Position(), 3);  // the device keeps whole milliseconds
        sent.clear();
        player.mmSeek(0);
        player.mmPlay();
        EXPECT_EQ(player.Status(), "playing");
        player.mmPause();
        EXPECT_EQ(player.Status(), "paused");
        player.mmStop();
        player.Wait(true);
        player.mmPlay();
        EXPECT_EQ(sent, (Log{"Seek wav7 to 0", "Play wav7", "Status wav7 mode", "Pause wav7", "Status wav7 mode",
                             "Stop wav7", "Play wav7 wait"}));
        EXPECT_EQ(player.Status(), "stopped");
        EXPECT_EQ(player.Position(), 300);
        sent.clear();
    }  // a player that goes away closes its device
    EXPECT_EQ(sent, Log{"Close wav7"});
    EXPECT_FALSE(MciPlayer::instance().audioOpen());
}

// A MIDI file is opened as a sequencer and played through the sound font.
TEST_F(MMediaTest, PlaysAMidiSong) {
    // One track: middle C for half a second, then the end of the track.
    const unsigned char song[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,
                                  'M', 'T', 'r', 'k', 0, 0, 0, 13,
                                  0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00};
    const std::string file = scratch / "SONG.Mid";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(song), sizeof song);

    const std::string output = scratch / "heard.raw";
    useDiskAudio(output);
    clsMMedia player;
    player.Filename(file);
    EXPECT_EQ(sent.front(), "Open " + file + " ALIAS Mid7 TYPE Sequencer wait");
    EXPECT_EQ(player.Status(), "stopped");
    EXPECT_GE(player.Length(), 500);
    player.mmPlay();
    EXPECT_EQ(player.Status(), "playing");
    for (int i = 0; i < 2000 && Recording(output).loudMs() <= 200; ++i)  // heard, ten seconds at most
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    player.mmClose();
    EXPECT_GT(Recording(output).loudMs(), 200);
}

// The default alert sound ships in the program folder and plays for real.
TEST_F(MMediaTest, DefaultAlertSoundIsInTheProgramFolderAndPlays) {
    const std::string file = std::string(NOORVALE_BIN_DIR) + "/Media/Nv_001.wav";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_LT(std::filesystem::file_size(file), 300u * 1024);

    const std::string output = scratch / "heard.raw";
    useDiskAudio(output);
    clsMMedia player;
    player.Filename(file);
    EXPECT_GT(player.Length(), 2000);
    EXPECT_LT(player.Length(), 6000);
    player.Position(player.Length() - 1500);  // the last second and a half is enough to hear
    player.Wait(true);
    player.mmPlay();
    player.mmClose();
    const Recording heard(output);
    EXPECT_GT(heard.loudMs(), 300);
}

}  // namespace
