#include "CAboutDlg.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "IconSet.h"
#include "Platform.h"
#include "ResourceIds.h"
#include "Texts.h"

CAboutDlg::CAboutDlg() {
    setWindowTitle("About Varnel Pro");
    SetClientSize(247, 55);

    auto* frame = Place(new QFrame(this), 5, 10, 35, 35);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* icon = Place(new QLabel(this), 11, 17, 20, 20);
    icon->setPixmap(QIcon(icons::Path(ids::IconApplication)).pixmap(icon->size()));
    icon->setAlignment(Qt::AlignCenter);
    for (auto [text, x, y, w] :
         {std::tuple{texts::AppName, 50, 10, 60}, std::tuple{texts::Version, 115, 10, 60},
          std::tuple{QStringLiteral("Gateway management tool"), 50, 30, 125}}) {
        Place(new QLabel(text, this), x, y, w, 15)->setAlignment(Qt::AlignCenter);
    }
    auto* ok = Button("OK", 185, 10, 55, 15);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* site = Button(texts::MakerSiteCaption, 185, 30, 55, 15);
    site->setFlat(true);
    site->setObjectName(QString::number(ids::BtnMakerSite));
    connect(site, &QPushButton::clicked, this, &CAboutDlg::OnMakerSite);
}

void CAboutDlg::OnMakerSite() { platform::OpenUrl(QUrl(texts::MakerSite)); }
