// Draws every picture of the game and writes them as PNG files.
// Usage: kimallus_artgen [output folder] [picture name...]
// Without names it writes all pictures; the default folder is the source tree's art/pictures.
#include "artgen.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString folder =
        args.isEmpty() ? QStringLiteral(KIMALLUS_ART_PICTURES) : args.takeFirst();
    QDir().mkpath(folder);

    std::vector<std::pair<QString, std::function<QImage()>>> pictures = {
        { "start", DrawStartPicture },
        { "design0", [] { return DrawDesign(0); } },
        { "design1", [] { return DrawDesign(1); } },
        { "coating", DrawCoating },
        { "icon", DrawProgramIcon },
        { "copyright", DrawCopyrightIcon },
        { "rules", DrawRulesPicture },
    };
    for (int n = 0; n < 10; ++n) {
        pictures.emplace_back(QStringLiteral("symbol%1").arg(n), [n] { return DrawSymbol(n); });
    }

    int failures = 0;
    for (const auto &[name, draw] : pictures) {
        if (!args.isEmpty() && !args.contains(name)) {
            continue;
        }
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!draw().save(path, "PNG")) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
