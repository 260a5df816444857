#pragma once
// Views show the core's window state and keep no values of their own. Every
// handler that comes from the user (or a timer) runs through Benutzeraktion,
// which refreshes every visible view from the core afterwards.

#include <functional>

class KernAnsicht {
public:
    virtual ~KernAnsicht() = default;
    // Writes the core state into the widgets, with their signals blocked.
    virtual void Auffrischen() = 0;
};

// Refreshes every visible top-level widget that is a KernAnsicht.
void AnsichtenAuffrischen();

// Runs a core handler for the user, then refreshes the views. Nested calls
// (a handler that opens a modal window whose handlers run in turn) refresh
// once their own handler is done.
void Benutzeraktion(const std::function<void()>& handler);

// true while a handler started through Benutzeraktion runs.
bool BenutzeraktionLaeuft();
