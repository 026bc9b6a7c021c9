#pragma once

// The application's entry: sets up Qt, keeps Stint to one process, builds the
// AppDelegate and runs the event loop. Returns the process exit code.
int timerApp(int argc, char *argv[]);
