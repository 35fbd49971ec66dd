#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

class QWidget;

// The one way the windows reach message boxes, file dialogs, the folder
// picker and the desktop's web browser. Tests switch it to answering from
// queues, so that windows can be driven without anything blocking.
namespace platform {

enum class Icon { Exclamation, Information, Stop };

// The application title: the executable's name without its directory.
QString AppTitle();

// A modal box with an OK button, captioned with the application title.
void MessageBox(const QString& text, Icon icon = Icon::Exclamation);

// Filters are written "Description (*.ext)|*.ext|". Both answer the chosen
// file's full path, or an empty text when the user cancelled.
QString OpenFileName(QWidget* owner, const QString& proposedName, const QString& filter);
// Asks before an existing file is replaced; defaultExtension such as "*.cpe"
// is added to a name typed without one.
QString SaveFileName(QWidget* owner, const QString& proposedName, const QString& filter,
                     const QString& defaultExtension);
// Only folders can be chosen; the root answers "/", other folders have no
// trailing separator. Empty when cancelled.
QString BrowseForFolder(const QString& title);

void OpenUrl(const QUrl& url);

// The filter text as Qt's file dialog takes it.
QString DialogFilter(const QString& filter);

namespace testing {

struct ShownMessage {
    QString caption;
    QString text;
    Icon icon;
};

// From now on nothing is shown: messages are recorded, dialogs answer from the queue.
void Enable();
// The next file or folder dialog answers this; an empty text cancels.
void SetNextFileName(const QString& path);
std::vector<ShownMessage>& Messages();
std::vector<QUrl>& OpenedUrls();
// Called at the moment a message would show, while the windows are as they are then.
void OnMessage(std::function<void(const ShownMessage&)> observer);

}  // namespace testing
}  // namespace platform
