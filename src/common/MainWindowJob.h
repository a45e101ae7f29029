#pragma once

class QWidget;

namespace pathwick {

// A job the main window hosts beside the directory list: the shutdown countdown with its
// re-boot schedule, the hot key poller. The job's engine is a QObject in its own subsystem,
// owned by the main window; it gets the typed handles of its menu entries and a small host
// interface of its own, and the main window calls it at these points of its load,
// activation and close, in the order the jobs were added.
class MainWindowJob {
public:
    virtual ~MainWindowJob() = default;

    // Load, right after the caption: put the job and its menu entries in their idle state.
    virtual void loadStarting() {}
    // Load, after the list, the drive menu and the hidden menu: start what runs by itself.
    virtual void loadFinished() {}
    // Every time the main window becomes active.
    virtual void activated() {}
    // A close by the user or by program code (not the end of the session) may be refused,
    // for instance to keep a running countdown; the job asks the user with `window` as
    // parent. The stored switches are written either way.
    virtual bool mayClose(QWidget* /*window*/) { return true; }
};

} // namespace pathwick
