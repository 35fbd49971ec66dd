#pragma once

class QObject;

// Opens the help file (beside the executable, with its base name and ".html")
// at topic 100, whatever topic was asked for; "Failed to launch help." when it
// cannot be shown.
void WinHelp();

// Makes F1 without Shift, Ctrl or Alt open the help in every window.
void InstallHelpKey(QObject* application);
