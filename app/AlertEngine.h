// AlertEngine: the program's prayer alerts, without any window. It owns the day's schedule, the
// one-second tick (the clock read through now()), which prayer comes next, the blinking of a
// prayer's minute and the alert sound. The windows and the tray observe its signals and show
// what it decides; a test drives Tick() with a fixed clock.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "DateValue.h"
#include "DaySchedule.h"

class QTimer;

namespace nv {

class clsMMedia;

class AlertEngine : public QObject {
    Q_OBJECT

public:
    explicit AlertEngine(QObject* parent = nullptr);
    ~AlertEngine() override;

    // The schedule of StartDate with the stored sound switches; no signal.
    void Build();
    // Today's schedule afresh (the day changed, the clock went back, the settings changed):
    // StartDate becomes today, the next prayer is announced, then dayChanged.
    void Refresh();
    // The tick runs every second from Start until Stop; Stop also gives the sound device back.
    void Start();
    void Stop();
    bool Running() const;
    // One tick: the day's roll-over, the next prayer, a prayer's minute and its sound, the blink.
    void Tick();

    DaySchedule& Schedule() { return schedule_; }
    const DaySchedule& Schedule() const { return schedule_; }
    // Switches prayer k's (1..5) sound for today; returns whether it is now on.
    bool ToggleSound(int16_t k);

    // The prayer whose minute it is (0 for none), and that minute on the schedule's clock.
    int16_t Alerting() const { return alerting_; }
    DateValue AlertMinute() const { return alertMinute_; }

    clsMMedia* player() const { return player_.get(); }
    // The player's mode in upper case ("PLAYING", "PAUSED", "STOPPED", ...).
    QString SoundMode() const;
    // Ends a sound that plays (the tray's and the notice's Stop Playback).
    void StopPlayback();

    // The desktop's bell, rung for an alert when there is no sound device or no sound file.
    std::function<void()> beep;

signals:
    // The prayer that comes next (1..5, the next day's Fajr as 1) and its minute, shown whenever
    // it changes, when an alert's minute is over, and at Refresh.
    void nextPrayer(int16_t k, DateValue minute);
    // Prayer k's minute has come (its sound already asked for); once per prayer and day.
    void alertStarted(int16_t k, DateValue minute);
    // Every second of an alert's minute, its texts shown and hidden in turn (hidden first).
    void blink(int16_t k, bool shown);
    // A sound began (true) or was given back (false): what Stop Playback may do.
    void soundChanged(bool playing);
    // Refresh rebuilt the schedule: the views of the day follow.
    void dayChanged();
    // The end of each tick, for the clocks that follow the time.
    void ticked();

private:
    void ShowNextPrayer(int16_t k);
    void PlayAlertSound(int16_t k);
    void CloseEndedSound();

    DaySchedule schedule_;
    QTimer* timer_ = nullptr;
    std::unique_ptr<clsMMedia> player_;
    bool openingSound_ = false;
    bool blinkPhase_ = false;
    DateValue lastTick_ = 0;
    int16_t currentPrayer_ = 0;
    int16_t alerting_ = 0;       // the prayer whose minute it is, blinking; 0 for none
    DateValue alertMinute_ = 0;  // its minute, on the schedule's clock
};

}  // namespace nv
