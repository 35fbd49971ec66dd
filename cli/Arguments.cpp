#include "Arguments.h"

#include <QFile>

std::optional<QByteArray> Arguments::Value(const char* name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional<QByteArray>(found->second);
}

QString Arguments::Path(const char* name) const {
    const auto value = Value(name);
    return value ? QFile::decodeName(*value) : QString();
}

Arguments ParseArguments(const std::vector<QByteArray>& words, const CommandSyntax& syntax) {
    Arguments arguments;
    for (size_t i = 0; i < words.size(); ++i) {
        QByteArray word = words[i];
        if (word == "-o") {
            word = "--output";
        }
        if (!word.startsWith("--") || word == "--") {
            arguments.positional.push_back(word);
            continue;
        }
        QByteArray name = word.mid(2);
        std::optional<QByteArray> inlineValue;
        if (const qsizetype equals = name.indexOf('='); equals >= 0) {
            inlineValue = name.mid(equals + 1);
            name = name.left(equals);
        }
        if (syntax.flags.count(name) && !inlineValue) {
            arguments.flags.insert(name);
        } else if (syntax.valued.count(name)) {
            if (!inlineValue && i + 1 >= words.size()) {
                throw UsageError{"--" + QString::fromLocal8Bit(name) + " needs a value"};
            }
            arguments.values[name] = inlineValue ? *inlineValue : words[++i];
        } else {
            throw UsageError{"unknown option " + QString::fromLocal8Bit(word)};
        }
    }
    return arguments;
}

int NumberOption(const Arguments& arguments, const char* name, int fallback, int minimum) {
    const auto value = arguments.Value(name);
    if (!value) {
        return fallback;
    }
    bool ok = false;
    const int number = value->toInt(&ok);
    if (!ok || number < minimum) {
        throw UsageError{
            QStringLiteral("--%1 takes a whole number from %2").arg(name).arg(minimum)};
    }
    return number;
}

double SecondsOption(const Arguments& arguments, const char* name, double fallback) {
    const auto value = arguments.Value(name);
    if (!value) {
        return fallback;
    }
    bool ok = false;
    const double seconds = value->toDouble(&ok);
    if (!ok || seconds < 0) {
        throw UsageError{QStringLiteral("--%1 takes a number of seconds").arg(name)};
    }
    return seconds;
}
