#pragma once

class Desktop;
class QSettings;
struct Module1;

// The shared state and the desktop of the running program. Whoever owns the run installs them
// for its lifetime (and clears them with nullptr); every window reaches them through module1()
// and desktop().
void installServices(Module1 *shared, Desktop *desktop);

// The learner's settings file, the same whatever the running program calls itself.
QSettings learnerSettings();
