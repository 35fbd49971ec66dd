#include "Texts.h"

#include <map>

#include "ResourceIds.h"

namespace texts {

QString CommandText(int command) {
    static const std::map<int, QString> table{
        {ids::CmdSave, "Save\nSave"},
        {ids::CmdOpen, "Open\nOpen"},
        {ids::CmdAdd, "Add\nAdd"},
        {ids::CmdDelete, "Delete\nDelete"},
        {ids::CmdExit, "Exit\nExit"},
        {ids::CmdModify, "Modify\nModify"},
        {ids::CmdNew, "New\nNew"},
        {ids::CmdAbout, "About Varnel Pro\nAbout Varnel Pro"},
        {ids::CmdResetFields, "Reset fields\nReset fields"},
        {ids::CmdHelp, "Help\nHelp"},
        {ids::CmdCheckConnections, "Check connections\nCheck connections"},
        {ids::CmdUpgradeSelection, "Upgrade selection\nUpgrade selection"},
        {ids::CmdUpgradeList, "Upgrade the whole list\nUpgrade the whole list"},
    };
    const auto found = table.find(command);
    return found == table.end() ? QString() : found->second;
}

QString ToolTip(int command) {
    const QString text = CommandText(command);
    const qsizetype lineBreak = text.indexOf('\n');
    return lineBreak < 0 ? QString() : text.mid(lineBreak + 1).left(79);
}

}  // namespace texts
