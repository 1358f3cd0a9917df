#include "AlertEngine.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include "MciPlayer.h"
#include "NoorvaleMain.h"
#include "VbError.h"
#include "clsMMedia.h"
#include "modNoorvale.h"

namespace nv {

AlertEngine::AlertEngine(QObject* parent) : QObject(parent) {
    beep = [] { QApplication::beep(); };
    player_ = std::make_unique<clsMMedia>();
    // A sound file decodes on a thread of its own; meanwhile the windows go on.
    MciPlayer::instance().setWaitHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
    timer_ = new QTimer(this);
    timer_->setObjectName("tmrAlert");
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, [this] { resumeNext([this] { Tick(); }); });
}

AlertEngine::~AlertEngine() { MciPlayer::instance().setWaitHook({}); }

void AlertEngine::Build() {
    resumeNext([&] { schedule_.Build(StartDate); });
    AlertRecords switches{};
    resumeNext([&] { LoadAlertSwitches(switches); });
    for (int k = 0; k < 5; ++k) schedule_[k].SoundAlert = switches[k].sound;
}

void AlertEngine::Refresh() {
    resumeNext([&] { StartDate = today(); });
    Build();
    resumeNext([&] { ShowNextPrayer(schedule_.FindNextPrayer(TruncToMinute(now()))); });
    emit dayChanged();
}

void AlertEngine::Start() { timer_->start(); }

void AlertEngine::Stop() {
    timer_->stop();
    resumeNext([&] { player_->mmClose(); });
}

bool AlertEngine::Running() const { return timer_->isActive(); }

void AlertEngine::Tick() {
    // The day's schedule holds until its last prayer, an Isha past midnight included, has come.
    DateValue current = ScheduleClock(StartDate);
    if (current < lastTick_ || (dateOnly(now()) != StartDate && !schedule_.EveningPending(current))) {
        resumeNext([&] { Refresh(); });
        current = ScheduleClock(StartDate);
    }
    lastTick_ = current;
    const int16_t next = schedule_.FindNextPrayer(current);
    const bool alertOver = alerting_ != 0 && alertMinute_ != current;
    if (alertOver) alerting_ = 0;
    if (alerting_ == 0 && (alertOver || next != currentPrayer_)) resumeNext([&] { ShowNextPrayer(next); });
    currentPrayer_ = next;

    // Of prayers that share a minute, the later one plays and blinks: the next day's Fajr last.
    int16_t fired = 0;
    for (PrayerSlot* slot : {&schedule_[0], &schedule_[1], &schedule_[2], &schedule_[3], &schedule_[4],
                             &schedule_.NextFajr}) {
        if (slot->Pending && slot->Time == current) {
            slot->Pending = false;
            fired = slot->Index;
        }
    }
    if (fired != 0) {
        alerting_ = fired;
        alertMinute_ = current;
        if (schedule_[fired - 1].SoundAlert) resumeNext([&] { PlayAlertSound(fired); });
        resumeNext([&] { emit alertStarted(fired, current); });
    }
    if (alerting_ != 0) {
        resumeNext([&] { emit blink(alerting_, blinkPhase_); });
        blinkPhase_ = !blinkPhase_;
    }
    resumeNext([&] { CloseEndedSound(); });
    emit ticked();
}

// k as FindNextPrayer gives it: 1..5, or 6 for the next day's Fajr.
void AlertEngine::ShowNextPrayer(int16_t k) {
    if (k == 6) emit nextPrayer(1, schedule_.NextFajr.Time);
    else emit nextPrayer(k, schedule_[k - 1].Time);
}

bool AlertEngine::ToggleSound(int16_t k) {
    PrayerSlot& slot = schedule_[k - 1];
    slot.SoundAlert = !slot.SoundAlert;
    return slot.SoundAlert;
}

QString AlertEngine::SoundMode() const { return QString::fromStdString(player_->Status()).toUpper(); }

void AlertEngine::PlayAlertSound(int16_t k) {
    if (!HasSoundDevice()) {
        beep();
        return;
    }
    const std::string file = GetSoundFile(AlertToPeriod(k));
    if (!QFile::exists(QString::fromStdString(file))) {
        beep();
        return;
    }
    openingSound_ = true;  // the file decodes while events go on
    player_->Filename(file);
    openingSound_ = false;
    player_->Wait(false);
    player_->mmPlay();
    if (SoundMode() != "PLAYING") {
        // Not a sound the player can play (or too large): the alert is never silent.
        player_->mmClose();
        beep();
        return;
    }
    emit soundChanged(true);
}

// A sound that has ended gives the sound device back at once.
void AlertEngine::CloseEndedSound() {
    if (openingSound_ || player_->Filename().empty()) return;
    const QString mode = SoundMode();
    if (mode == "PLAYING" || mode == "PAUSED") return;
    player_->mmClose();
    emit soundChanged(false);
}

void AlertEngine::StopPlayback() {
    if (SoundMode() != "PLAYING") return;
    player_->mmClose();
    emit soundChanged(false);
}

}  // namespace nv
