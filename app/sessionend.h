#pragma once
// A desktop session ends its programs with SIGTERM. The program treats it
// as the user closing every window, so the run ends the normal way and keeps
// its settings.

// Catches SIGTERM from now on; call first thing, before the application
// object exists. A signal that comes early waits until watchSessionEnd.
void catchSessionEnd();
// Closes every window on a caught SIGTERM; needs the application object.
void watchSessionEnd();
