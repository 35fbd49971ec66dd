#pragma once

#include <QString>

// The texts of commands, from which menus and tooltips are taken.
namespace texts {

// The text that bears a command's number, "Menu text\nTooltip".
QString CommandText(int command);
// The part behind the first line break, cut to 79 characters.
QString ToolTip(int command);

inline const QString AppName = QStringLiteral("Varnel Pro");
inline const QString Version = QStringLiteral("Version 1.0.0");
inline const QString MakerSite = QStringLiteral("https://example.com/");
inline const QString MakerSiteCaption = QStringLiteral("example.com");

inline const QString SocketError = QStringLiteral("Socket error!");
inline const QString UnknownFormat = QStringLiteral("Formato non riconosciuto!");
inline const QString HelpFailed = QStringLiteral("Failed to launch help.");
inline const QString FolderTitle = QStringLiteral("Select the folder to upload");
inline const QString AddressBookFilter = QStringLiteral("Varnel Pro Address Book (*.cpe)|*.cpe|");
inline const QString DeviceListFilter = QStringLiteral("Varnel Pro List (*.vgl)|*.vgl|");
inline const QString AddressBookName = QStringLiteral("Addrbook.cpe");
inline const QString MaximumReached = QStringLiteral("Maximum number of items reached!");
inline const QString InvalidParams = QStringLiteral("Invalid params!");
inline const QString NoItemInList = QStringLiteral("No item in list!");
inline const QString NoItemSelected = QStringLiteral("No item selected!");
inline const QString NotFound = QStringLiteral("Varnel Pro not found!");
inline const QString FtpFailure = QStringLiteral("FTP failure!");
inline const QString PositiveInteger = QStringLiteral("Please enter a positive integer.");
inline const QString TooManyCharacters = QStringLiteral("Please enter no more than %1 characters.");
inline const QString Connecting = QStringLiteral("Connecting...");
inline const QString TurnOffAndOn = QStringLiteral(
    "Turn-off and Turn-on the Varnel Pro to activate the new settings.\r\nSpegnere e riaccendere "
    "i Varnel Pro per rendere attive le nuove impostazioni.");

}  // namespace texts
