#pragma once

class App;

// The program's frame: start-up, the event loop and shut-down.
namespace Program {

// Creates the shared calculation state, gives the application its menu bar
// and opens the start window.
void StartUp(App& app);

// Releases the cached pictures, the windows, the menu bar and the shared
// calculation state, in that order.
void ShutDown();

// The whole run of the process; returns its exit status.
int Run(int argc, char** argv);

// Start-up, the event loop and shut-down with an application object that
// exists already. Returns the loop's exit status, or a failure status when an
// exception escaped start-up or the loop (after reporting it).
int Run(App& app);

}  // namespace Program
