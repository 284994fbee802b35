#pragma once

#include <QObject>

/// The periodic timer that drives a simulation window's steps on the GUI thread. Its deadlines are
/// absolute (the n-th tick is due n periods after the timer was armed, so the rate does not drift),
/// and a tick comes at most once per wake-up: periods that were missed entirely, while the thread
/// was busy, are dropped rather than made up with a burst of steps.
class CStepTimer : public QObject {
    Q_OBJECT

public:
    /// The period of a timer that has never been armed.
    static constexpr int kDefaultPeriodMs = 1;

    /// Arms the timer (again) with `periodMs` as period; the first tick is one period from now.
    virtual void Start(int periodMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    /// The period last armed, kept after Stop (kDefaultPeriodMs before the first Start).
    virtual int PeriodMs() const = 0;

signals:
    /// One period has passed (or several, of which all but one were missed).
    void tick();
};
