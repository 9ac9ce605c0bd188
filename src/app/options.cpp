#include "app/options.h"

#include <QCommandLineParser>

namespace app {

std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString* error,
                                              bool* helpRequested, QString* helpText) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Outpatient and inpatient fee receipts. Without options the receipt store "
                       "is receipts.db in the working directory, created when missing."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("Use the SQLite file <file> as the receipt store (created when missing)."),
        QStringLiteral("file"));
    const QCommandLineOption dsn(
        QStringLiteral("dsn"),
        QStringLiteral("Reach the receipt store through the ODBC data source <name>."),
        QStringLiteral("name"));
    parser.addOption(database);
    parser.addOption(dsn);

    if (helpText)
        *helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (helpRequested)
        *helpRequested = parser.isSet(helpOption);
    if (!parser.positionalArguments().isEmpty()) {
        *error =
            QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }
    if (parser.isSet(database) && parser.isSet(dsn)) {
        *error = QStringLiteral("--database and --dsn cannot be used together");
        return std::nullopt;
    }

    StartOptions options;
    if (parser.isSet(database)) {
        const QString file = parser.value(database);
        if (file.isEmpty()) {
            *error = QStringLiteral("--database needs a file name");
            return std::nullopt;
        }
        options.store = store::StoreLocation::sqliteFile(file);
    } else if (parser.isSet(dsn)) {
        const QString name = parser.value(dsn);
        if (name.isEmpty()) {
            *error = QStringLiteral("--dsn needs a data source name");
            return std::nullopt;
        }
        options.store = store::StoreLocation::odbcDataSource(name);
    }
    return options;
}

} // namespace app
