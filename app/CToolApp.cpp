#include "CToolApp.h"

#include <QIcon>

#include "CLauncherDlg.h"
#include "FtpSession.h"
#include "Help.h"
#include "IconSet.h"
#include "Platform.h"
#include "ResourceIds.h"
#include "Texts.h"

CToolApp::CToolApp(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(QIcon(icons::Path(ids::IconApplication)));
    InstallHelpKey(this);
}

QString CToolApp::CommandLine() { return arguments().mid(1).join(' '); }

int CToolApp::InitInstance() {
    if (!NetworkStartup()) {
        platform::MessageBox(texts::SocketError);
        return 1;
    }
    CLauncherDlg launcher(CommandLine());
    launcher.DoModal();
    return 0;
}
