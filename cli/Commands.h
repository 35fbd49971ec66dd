#pragma once

#include "Arguments.h"

// The sub-commands; each answers the exit status and may throw UsageError or
// CommandError.
int CheckCommand(const Arguments& arguments);
int UpgradeCommand(const Arguments& arguments);
int DownloadCommand(const Arguments& arguments);
int BackupCommand(const Arguments& arguments);
int DevicesCommand(const Arguments& arguments);
int AddressBookCommand(const Arguments& arguments);
