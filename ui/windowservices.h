#pragma once

class QWidget;
class QAction;
class QString;

// Whether the desktop lets a program place its own windows and keep one above the others. A
// Wayland compositor lets it do neither: it places every window itself.
bool desktopPlacesWindows();
// The platform name the answer above goes by: Qt's own (QGuiApplication::platformName()), unless
// tests name another one here; an empty name returns to Qt's.
void setPlatformNameForTesting(const QString &name);
// The tip of an On Top item that cannot work on this desktop, in English (translated in the
// context "WindowServices" where it is shown).
extern const char *const onTopUnavailableTip;

// Centres a window's outer frame on the whole screen; a window larger than the screen reaches
// past both edges by the same amount. Where the desktop places windows itself, it is left to it.
void centerForm(QWidget *window);
// The On Top item of an exercise window: puts the window above all others and checks the item,
// or lets others cover it and unchecks the item. Where the desktop keeps no window above the
// others, only the check mark changes (the item is disabled there, see disableWhereUnavailable).
void toggleOnTop(QAction *item, QWidget *window);
// Disables an On Top item on a desktop that keeps no window above the others, and says why in
// its tips; its caption and check mark stay as they are.
void disableWhereUnavailable(QAction *onTopItem);
