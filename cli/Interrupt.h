#pragma once

// Ctrl-C (and SIGTERM) ask the run to stop: transfers under way abort, devices
// not yet started are not reached.
void CatchInterrupts();
bool Interrupted();
