#pragma once
// Lets code that may run where no window system has been started (a library that a setup
// program loads) show its windows: when none runs, the window system is started for the
// scope's lifetime and ended with it; one that runs already is used and left running. Where no
// display can be opened nothing starts, quietly, and IsRunning answers false.

class WindowSystemScope {
public:
    WindowSystemScope();
    ~WindowSystemScope();
    WindowSystemScope(const WindowSystemScope&) = delete;
    WindowSystemScope& operator=(const WindowSystemScope&) = delete;

    // True while windows can be shown.
    bool IsRunning() const;

private:
    bool m_started = false;
};
