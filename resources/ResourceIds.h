#pragma once

// Command, control, window and icon numbers the windows are built from.
namespace ids {

// Icons, in the order they are numbered for the desktop's file types.
constexpr int IconApplication = 128;
constexpr int IconAddressBookFile = 129;
constexpr int IconDevice = 132;
constexpr int IconDeviceListFile = 141;
constexpr int IconUpgraded = 142;
constexpr int IconFailed = 143;
constexpr int IconPennant = 144;
constexpr int IconUnreachable = 148;
constexpr int IconReachable = 149;

// Windows, menus and toolbars.
constexpr int DialogAbout = 100;
constexpr int DialogAddressBook = 102;
constexpr int DialogLauncher = 137;
constexpr int DialogUpgrade = 138;
constexpr int DialogProgress = 152;
constexpr int DialogDownload = 153;
constexpr int ToolBarAddressBook = 129;
constexpr int ToolBarUpgrade = 130;
constexpr int MenuAddressBook = 134;
constexpr int MenuUpgrade = 135;

// Commands shared by the editor and the upgrade window.
constexpr int CmdSave = 1006;
constexpr int CmdOpen = 1007;
constexpr int CmdAdd = 1008;
constexpr int CmdDelete = 1009;
constexpr int CmdExit = 1010;
constexpr int CmdModify = 1011;
constexpr int CmdNew = 1012;
constexpr int CmdAbout = 1013;
constexpr int CmdResetFields = 1014;
constexpr int CmdUpgradeList = 32774;
constexpr int CmdUpgradeSelection = 32776;
constexpr int CmdCheckConnections = 32778;
constexpr int CmdHelp = 32779;
constexpr int CmdStandardHelp = 57670;

// Launcher buttons.
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int BtnAddressBookManagement = 1018;
constexpr int BtnAddressBookUpgrade = 1019;
constexpr int BtnFirmwareUpgrade = 1020;
constexpr int BtnAddressBookDownload = 1021;

// About box.
constexpr int BtnMakerSite = 1020;

// Controls of the list windows.
constexpr int CtlList = 1000;
constexpr int CtlAddress = 1001;
constexpr int CtlGatewayAddress = 1002;
constexpr int CtlPortPreset1 = 1003;
constexpr int CtlTelephone = 1004;
constexpr int CtlPortPreset2 = 1005;
constexpr int CtlPassword = 1005;
constexpr int CtlPortPreset3 = 1015;
constexpr int CtlUserId = 1019;
constexpr int CtlPortPreset4 = 1020;
constexpr int CtlGatewayPort = 1021;
constexpr int BtnDownload = 1015;

// Progress window.
constexpr int CtlLine1 = 1017;
constexpr int CtlStepBar = 1021;
constexpr int CtlTotalBar = 1022;
constexpr int CtlLine2 = 1027;

// Help topic every help request opens.
constexpr int HelpTopic = 100;

}  // namespace ids
