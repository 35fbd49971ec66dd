// varnelctl: the gateway tool's work from the command line, for scripts and
// fleets: many devices in parallel, retries, reports and an honest exit status.

#include <QFile>
#include <cstdio>
#include <cstring>

#include "CommandSupport.h"
#include "Commands.h"
#include "FtpSession.h"
#include "Interrupt.h"

namespace {

const char kOverview[] =
    "usage: varnelctl COMMAND [ARGUMENTS] [OPTIONS]\n"
    "\n"
    "commands:\n"
    "  check LIST.vgl            ping every device of a device list\n"
    "  upgrade LIST.vgl          send a firmware folder or an address book to the devices\n"
    "  download ADDRESS -o FILE  fetch one device's address book\n"
    "  backup LIST.vgl --to DIR  fetch every device's address book into DIR\n"
    "  devices LIST.vgl ...      list, add, remove, import or export devices\n"
    "  addressbook FILE.cpe ...  show, import or export an address book\n"
    "\n"
    "'varnelctl COMMAND --help' tells more. Results go to stdout, diagnostics to stderr.\n"
    "Exit status: 0 every device succeeded, 1 some did not, 2 bad usage or unreadable files.\n"
    "Passwords come from the device list, from --password-file FILE or from $VARNEL_PASSWORD,\n"
    "never from the command line.\n";

const char kRunOptions[] =
    "  --only ROWS        only these rows, as the windows number them: 1,3,5 or 2-4\n"
    "  --jobs N           devices worked on at once, each with its own connection (4)\n"
    "  --retries N        further attempts for a device that failed or did not answer (0)\n"
    "  --retry-pause S    seconds before the first retry, growing with each (2)\n"
    "  --json             the results as a JSON document\n"
    "  --report FILE.csv  a row per device: row, address, result, attempts, seconds,\n"
    "                     bytes_sent\n";

struct Command {
    CommandSyntax syntax;
    int (*run)(const Arguments&);
};

const std::set<QByteArray> kRunValued{"only", "jobs", "retries", "retry-pause", "report"};

std::vector<Command> Commands() {
    auto with = [](std::set<QByteArray> set, std::initializer_list<const char*> more) {
        for (const char* name : more) {
            set.insert(name);
        }
        return set;
    };
    static const std::string checkHelp =
        std::string(
            "usage: varnelctl check LIST.vgl [OPTIONS]\n\n"
            "Pings every device; a device that answers is reachable.\n\n") +
        kRunOptions;
    static const std::string upgradeHelp =
        std::string(
            "usage: varnelctl upgrade LIST.vgl (--firmware DIR | --address-book FILE) "
            "[OPTIONS]\n\n"
            "Sends a firmware folder (cleared /RFA/Doc and /RFA/Images first where the folder\n"
            "has DOC or IMAGES) or an address book (/RFA/Addrbook.cpe) to every device, as the\n"
            "upgrade window does.\n\n"
            "  --verify           after each upload, compare the size of every sent file on\n"
            "                     the device with the local one\n") +
        kRunOptions;
    static const std::string backupHelp =
        std::string(
            "usage: varnelctl backup LIST.vgl --to DIR [OPTIONS]\n\n"
            "Saves every device's address book as DIR/ADDRESS.cpe. A file is written\n"
            "only once all of it has arrived.\n\n") +
        kRunOptions;
    return {
        {{"check", checkHelp.c_str(), kRunValued, {"json"}}, CheckCommand},
        {{"upgrade",
          upgradeHelp.c_str(),
          with(kRunValued, {"firmware", "address-book"}),
          {"json", "verify"}},
         UpgradeCommand},
        {{"download",
          "usage: varnelctl download ADDRESS -o FILE [--user NAME] [--password-file FILE]\n\n"
          "Fetches the device's /RFA/Addrbook.cpe into FILE, which is replaced only once all\n"
          "of it has arrived. The password comes from --password-file or $VARNEL_PASSWORD.\n\n"
          "  --json, --report FILE.csv   as for the other commands\n",
          {"output", "user", "password-file", "report"},
          {"json"}},
         DownloadCommand},
        {{"backup", backupHelp.c_str(), with(kRunValued, {"to"}), {"json"}}, BackupCommand},
        {{"devices",
          "usage: varnelctl devices LIST.vgl [ACTION]\n\n"
          "  list [--show-passwords]        the devices; passwords masked unless asked for\n"
          "  add ADDRESS [--user NAME] [--password-file FILE]\n"
          "                                 append a device; the password comes from the file\n"
          "                                 or $VARNEL_PASSWORD; the list is created if missing\n"
          "  remove ROWS                    remove rows, as 2 or 1,4 or 3-5\n"
          "  import FILE.csv                replace the devices with the CSV's rows\n"
          "                                 (address,user,password; a heading line is skipped)\n"
          "  export FILE.csv                write the devices as CSV, readable by you only\n",
          {"user", "password-file"},
          {"show-passwords"}},
         DevicesCommand},
        {{"addressbook",
          "usage: varnelctl addressbook FILE.cpe [ACTION]\n\n"
          "  show              the gateway and the records\n"
          "  export FILE.csv   write kind,address,port,telephone rows: one gateway, then records\n"
          "  import FILE.csv   replace the address book with the CSV's gateway and records\n",
          {},
          {}},
         AddressBookCommand},
    };
}

int Fail(const QString& text, int status) {
    std::fprintf(stderr, "varnelctl: %s\n", text.toLocal8Bit().constData());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kOverview, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    std::vector<QByteArray> words(argv + 2, argv + argc);
    for (const Command& command : Commands()) {
        if (std::strcmp(argv[1], command.syntax.name) != 0) {
            continue;
        }
        if (std::find(words.begin(), words.end(), "--help") != words.end()) {
            std::fputs(command.syntax.help, stdout);
            return 0;
        }
        if (!NetworkStartup()) {
            return Fail("the network layer cannot be started", 2);
        }
        CatchInterrupts();
        try {
            return command.run(ParseArguments(words, command.syntax));
        } catch (const UsageError& e) {
            return Fail(e.text + "\n'varnelctl " + command.syntax.name + " --help' tells more", 2);
        } catch (const CommandError& e) {
            return Fail(e.text, 2);
        }
    }
    return Fail(QString("unknown command ") + argv[1] + "; 'varnelctl --help' lists them", 2);
}
