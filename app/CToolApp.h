#pragma once

#include <QApplication>

// The application: starts the network layer, then runs the launcher as its
// main window until the launcher closes. It sets no title of its own, so the
// executable's name captions every message box.
class CToolApp : public QApplication {
    Q_OBJECT
public:
    CToolApp(int& argc, char** argv);

    // Answers the process's exit status.
    int InitInstance();

    // Everything after the executable's name, as one text.
    static QString CommandLine();
};
