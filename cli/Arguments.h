#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <set>
#include <vector>

// A sub-command's words: positional arguments, "--name value" options and
// "--name" flags. "-o" stands for "--output".
struct Arguments {
    std::vector<QByteArray> positional;
    std::map<QByteArray, QByteArray> values;
    std::set<QByteArray> flags;

    bool Has(const char* flag) const { return flags.count(flag) > 0; }
    std::optional<QByteArray> Value(const char* name) const;
    QString Path(const char* name) const;
};

// What a sub-command accepts, and its help text.
struct CommandSyntax {
    const char* name;
    const char* help;
    std::set<QByteArray> valued;  // options that take a value
    std::set<QByteArray> flags;
};

// Raised for words the command does not take; the text says which.
struct UsageError {
    QString text;
};

// Parses the words after the sub-command's name. Throws UsageError.
Arguments ParseArguments(const std::vector<QByteArray>& words, const CommandSyntax& syntax);

// A whole number of at least `minimum`; throws UsageError naming the option.
int NumberOption(const Arguments& arguments, const char* name, int fallback, int minimum);
double SecondsOption(const Arguments& arguments, const char* name, double fallback);
