#include "Help.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Platform.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace {

class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto modifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
            if (key->key() == Qt::Key_F1 && !(key->modifiers() & modifiers)) {
                WinHelp();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void WinHelp() {
    const QFileInfo file(QCoreApplication::applicationDirPath() + "/" +
                         QCoreApplication::applicationName() + ".html");
    if (!file.isReadable()) {
        platform::MessageBox(texts::HelpFailed);
        return;
    }
    auto* window = new QDialog(QApplication::activeWindow());
    window->setObjectName("HelpWindow");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(platform::AppTitle() + " Help");
    window->setWindowModality(Qt::ApplicationModal);
    auto* browser = new QTextBrowser(window);
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    browser->scrollToAnchor("topic" + QString::number(ids::HelpTopic));
    (new QVBoxLayout(window))->addWidget(browser);
    window->resize(560, 480);
    window->show();
}

void InstallHelpKey(QObject* application) {
    application->installEventFilter(new HelpKeyFilter(application));
}
