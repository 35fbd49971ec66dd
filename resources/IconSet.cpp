#include "IconSet.h"

#include <array>
#include <map>
#include <utility>

#include "ResourceIds.h"

namespace icons {
namespace {

const std::array<std::pair<int, const char*>, 9> kIcons{{
    {ids::IconApplication, ":/icons/app.svg"},
    {ids::IconAddressBookFile, ":/icons/addressbook.svg"},
    {ids::IconDevice, ":/icons/device.svg"},
    {ids::IconDeviceListFile, ":/icons/devicelist.svg"},
    {ids::IconUpgraded, ":/icons/upgraded.svg"},
    {ids::IconFailed, ":/icons/failed.svg"},
    {ids::IconPennant, ":/icons/pennant.svg"},
    {ids::IconUnreachable, ":/icons/unreachable.svg"},
    {ids::IconReachable, ":/icons/reachable.svg"},
}};

}  // namespace

QString Path(int icon) {
    for (const auto& [number, path] : kIcons) {
        if (number == icon) {
            return path;
        }
    }
    return {};
}

int AtPosition(int position) {
    return position >= 0 && position < static_cast<int>(kIcons.size()) ? kIcons[position].first
                                                                       : -1;
}

QString CommandPath(int command) {
    static const std::map<int, QString> pictures{
        {ids::CmdNew, ":/icons/new.svg"},
        {ids::CmdOpen, ":/icons/open.svg"},
        {ids::CmdSave, ":/icons/save.svg"},
        {ids::CmdAdd, ":/icons/add.svg"},
        {ids::CmdModify, ":/icons/modify.svg"},
        {ids::CmdDelete, ":/icons/delete.svg"},
        {ids::CmdResetFields, ":/icons/reset.svg"},
        {ids::CmdCheckConnections, ":/icons/reachable.svg"},
        {ids::CmdUpgradeSelection, ":/icons/bolt.svg"},
        {ids::CmdUpgradeList, ":/icons/bolts.svg"},
        {ids::CmdHelp, ":/icons/help.svg"},
        {ids::CmdAbout, ":/icons/about.svg"},
    };
    const auto found = pictures.find(command);
    return found == pictures.end() ? QString() : found->second;
}

}  // namespace icons
