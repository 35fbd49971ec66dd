#pragma once

#include "CDialog.h"

// The About box: the application icon, name, version, a notice and a button
// that opens the maker's web site.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    CAboutDlg();
    void OnMakerSite();
};
