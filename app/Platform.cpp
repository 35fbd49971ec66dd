#include "Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <deque>

namespace platform {
namespace {

struct Hooks {
    bool enabled = false;
    std::deque<QString> fileNames;
    std::vector<testing::ShownMessage> messages;
    std::vector<QUrl> urls;
    std::function<void(const testing::ShownMessage&)> observer;
};

Hooks& TestHooks() {
    static Hooks hooks;
    return hooks;
}

QString NextFileName() {
    auto& queue = TestHooks().fileNames;
    if (queue.empty()) {
        return {};
    }
    QString name = queue.front();
    queue.pop_front();
    return name;
}

QWidget* ActiveOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

QString RunFileDialog(QFileDialog& dialog) {
    if (TestHooks().enabled) {
        return NextFileName();
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return QFileInfo(dialog.selectedFiles().front()).absoluteFilePath();
}

}  // namespace

QString AppTitle() { return QCoreApplication::applicationName(); }

void MessageBox(const QString& text, Icon icon) {
    const testing::ShownMessage shown{AppTitle(), text, icon};
    if (TestHooks().enabled) {
        if (TestHooks().observer) {
            TestHooks().observer(shown);
        }
        TestHooks().messages.push_back(shown);
        return;
    }
    const QMessageBox::Icon boxIcon = icon == Icon::Information ? QMessageBox::Information
                                      : icon == Icon::Stop      ? QMessageBox::Critical
                                                                : QMessageBox::Warning;
    QMessageBox box(boxIcon, AppTitle(), text, QMessageBox::Ok, ActiveOwner());
    box.exec();
}

QString DialogFilter(const QString& filter) {
    const QStringList parts = filter.split('|', Qt::SkipEmptyParts);
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        entries << (parts[i].contains("(" + patterns + ")") ? parts[i]
                                                            : parts[i] + " (" + patterns + ")");
    }
    return entries.join(";;");
}

QString OpenFileName(QWidget* owner, const QString& proposedName, const QString& filter) {
    QFileDialog dialog(owner, QString(), QString(), DialogFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(proposedName);
    return RunFileDialog(dialog);
}

QString SaveFileName(QWidget* owner, const QString& proposedName, const QString& filter,
                     const QString& defaultExtension) {
    QFileDialog dialog(owner, QString(), QString(), DialogFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString(defaultExtension).remove("*."));
    dialog.selectFile(proposedName);
    return RunFileDialog(dialog);
}

QString BrowseForFolder(const QString& title) {
    if (TestHooks().enabled) {
        return NextFileName();
    }
    QWidget* owner = ActiveOwner();
    return QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
}

void OpenUrl(const QUrl& url) {
    if (TestHooks().enabled) {
        TestHooks().urls.push_back(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

namespace testing {

void Enable() { TestHooks().enabled = true; }
void SetNextFileName(const QString& path) { TestHooks().fileNames.push_back(path); }
std::vector<ShownMessage>& Messages() { return TestHooks().messages; }
std::vector<QUrl>& OpenedUrls() { return TestHooks().urls; }
void OnMessage(std::function<void(const ShownMessage&)> observer) {
    TestHooks().observer = std::move(observer);
}

}  // namespace testing
}  // namespace platform
