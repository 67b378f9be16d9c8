#include "ui/app/LaunchOptions.h"

namespace numora {

std::optional<LaunchOptions> parseLaunchOptions(const QStringList& arguments, QString& error) {
    LaunchOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QLatin1String("--check-start")) {
            options.checkStart = true;
            continue;
        }
        if (word != QLatin1String("--root") && word != QLatin1String("--screen")) {
            error = QStringLiteral("unknown argument %1").arg(word);
            return std::nullopt;
        }
        if (i + 1 == arguments.size()) {
            error = QStringLiteral("%1 needs a value").arg(word);
            return std::nullopt;
        }
        const QString value = arguments[++i];
        if (word == QLatin1String("--root")) {
            options.root = std::filesystem::path(value.toStdString());
            continue;
        }
        const auto screen = parseScreenSize(value.toStdString());
        if (!screen) {
            error = QStringLiteral("--screen needs WIDTHxHEIGHT, such as 320x240, not %1").arg(value);
            return std::nullopt;
        }
        options.screen = *screen;
    }
    return options;
}

}  // namespace numora
