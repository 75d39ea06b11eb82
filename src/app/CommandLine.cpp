#include "CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>

namespace aerolap {

namespace {

constexpr int kBadUsage = 2;

QString qText(std::string_view text) {
    return QString::fromUtf8(text);
}

QString variableShown(const SettingDeclaration& declaration) {
    return qText(declaration.variable) +
           (declaration.variableNumbers > 0 ? QStringLiteral("<n>") : QString());
}

std::string_view defaultShown(const SettingDeclaration& declaration) {
    return declaration.defaultValue.empty() ? declaration.defaultMeaning : declaration.defaultValue;
}

/// The declaration's help, then the variable that stands in for the option and the default.
QString description(const SettingDeclaration& declaration) {
    QString text = qText(declaration.help);
    if (!declaration.variable.empty()) {
        text += QStringLiteral(" Variable: %1.").arg(variableShown(declaration));
    }
    if (!defaultShown(declaration).empty()) {
        text += QStringLiteral(" Default: %1.").arg(qText(defaultShown(declaration)));
    }
    return text;
}

void declareOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Contest timer for F3K: preparation, working time and landing window, "
                       "announced by voice and shown on an LED display."));
    for (const SettingDeclaration& declaration : settingDeclarations()) {
        QStringList names{qText(declaration.name)};
        if (!declaration.shortName.empty()) {
            names.prepend(qText(declaration.shortName));
        }
        parser.addOption(
            QCommandLineOption(names, description(declaration), qText(declaration.valueName)));
        if (!declaration.argument.empty()) {
            const QString argument = qText(declaration.argument);
            parser.addPositionalArgument(
                argument,
                QStringLiteral("With --%1: the %2.").arg(qText(declaration.name), argument),
                QLatin1Char('[') + argument + QLatin1Char(']'));
        }
    }
}

/// The environment's value for the declaration, when the option leaves it to the variable: a
/// numbered variable for each key the option can name. A variable set to nothing counts as unset.
void takeVariables(const SettingDeclaration& declaration, bool optionGiven,
                   const EnvironmentLookup& environment, Settings& settings,
                   std::ostream& warnings) {
    const auto take = [&](const std::string& variable, const std::string& key) {
        const std::optional<std::string> value = environment(variable);
        if (!value || value->empty() || declaration.value.store(settings, key + *value)) {
            return;
        }
        warnings << "aerolap: " << variable << " is '" << *value << "', not "
                 << declaration.value.expected << ": the default, " << defaultShown(declaration)
                 << ", is used.\n";
    };
    const std::string variable(declaration.variable);
    if (declaration.variableNumbers == 0) {
        if (!optionGiven) {
            take(variable, {});
        }
        return;
    }
    for (int number = 1; number <= declaration.variableNumbers; ++number) {
        take(variable + std::to_string(number), std::to_string(number) + "=");
    }
}

/// The variables, each with the option it stands in for, as the manual page's ENVIRONMENT.
QString environmentHelp() {
    QString text = QStringLiteral("\nEnvironment:\n");
    for (const SettingDeclaration& declaration : settingDeclarations()) {
        if (declaration.variable.empty()) {
            continue;
        }
        const QString option = QStringLiteral("--") + qText(declaration.name);
        text += QStringLiteral("  %1  %2\n")
                    .arg(variableShown(declaration), -20)
                    .arg(declaration.variableNumbers > 0
                             ? QStringLiteral("For %1 <n>=..., when it does not name port <n>.")
                                   .arg(option)
                             : QStringLiteral("For %1, when it is not given.").arg(option));
    }
    return text;
}

// Parsed before any application object exists, so Qt does not know the program's name yet.
std::string usage(const QCommandLineParser& parser) {
    QString text = parser.helpText() + environmentHelp();
    return text.replace(QStringLiteral("<executable_name>"), QStringLiteral("aerolap"))
        .toStdString();
}

ParsedCommandLine refused(const QCommandLineParser& parser, const QString& why) {
    return {std::nullopt, "aerolap: " + why.toStdString() + "\n\n" + usage(parser), kBadUsage};
}

QString refusal(const SettingDeclaration& declaration, const QString& value) {
    const QString option = QStringLiteral("--") + qText(declaration.name);
    const QString expected = qText(declaration.value.expected);
    if (value.isEmpty()) {
        return QStringLiteral("%1 needs %2").arg(option, expected);
    }
    return QStringLiteral("%1 takes %2, not '%3'").arg(option, expected, value);
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments,
                                   const EnvironmentLookup& environment, std::ostream& warnings) {
    QCommandLineParser parser;
    declareOptions(parser);
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    if (list.isEmpty()) {
        list << QStringLiteral("aerolap");
    }
    if (!parser.parse(list)) {
        return refused(parser, parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    const qsizetype taken = std::ranges::any_of(settingDeclarations(), [&parser](const auto& each) {
        return !each.argument.empty() && parser.isSet(qText(each.name));
    });
    if (positional.size() > taken) {
        return refused(parser,
                       QStringLiteral("unexpected argument '%1'").arg(positional.at(taken)));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        return {std::nullopt, usage(parser), 0};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return {std::nullopt, "Aerolap " AEROLAP_VERSION "\n", 0};
    }

    Settings settings;
    for (const SettingDeclaration& declaration : settingDeclarations()) {
        if (!declaration.value.store) {
            continue;
        }
        const QString name = qText(declaration.name);
        if (!declaration.defaultValue.empty()) {
            declaration.value.store(settings, std::string(declaration.defaultValue));
        }
        if (!declaration.variable.empty()) {
            takeVariables(declaration, parser.isSet(name), environment, settings, warnings);
        }
        QStringList values = parser.values(name);
        if (declaration.valueName.empty() && parser.isSet(name)) {
            values = {declaration.argument.empty() ? QString() : positional.value(0)};
        }
        for (const QString& value : values) {
            if (!declaration.value.store(settings, value.toStdString())) {
                return refused(parser, refusal(declaration, value));
            }
        }
        if (parser.isSet(name) && !declaration.goesWith.empty() &&
            !parser.isSet(qText(declaration.goesWith))) {
            return refused(
                parser,
                QStringLiteral("--%1 goes with --%2").arg(name, qText(declaration.goesWith)));
        }
    }
    return {settings, {}, 0};
}

} // namespace aerolap
