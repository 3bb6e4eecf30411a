#include "qt/command_line.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

constexpr double LeastZoom = 0.5, MostZoom = 8;

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int mistake(const QString& problem) {
    print(stderr, QStringLiteral("convex-hull: %1\nTry 'convex-hull --help'.\n").arg(problem));
    return 2;
}

// The options QApplication takes from the command line itself.
QList<QCommandLineOption> qtOptions() {
    QList<QCommandLineOption> options;
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                             "session", "style", "stylesheet", "display", "geometry", "title"})
        options << QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("v"));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        options << QCommandLineOption(QString::fromLatin1(name));
    for (QCommandLineOption& option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

} // namespace

CommandLine readCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Watch the incremental convex hull algorithm at work: click up to 500 points, or open "
        "them from a file, press START, and follow the hull as it grows one point per step."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QStringLiteral("Show the whole window FACTOR times larger, crisp, for instance 2 on a "
                       "projector or a 4K screen (0.5 to 8). The points keep their places."),
        QStringLiteral("FACTOR"));
    const QCommandLineOption speed(
        QStringLiteral("speed"),
        QStringLiteral("Start with the speed bar at a pause of MS milliseconds between steps "
                       "(1 to 1000) instead of its fast end."),
        QStringLiteral("MS"));
    const QCommandLineOption paused(
        QStringLiteral("paused"),
        QStringLiteral("Start with Run > Start Paused on: START begins the run paused at its "
                       "first triangle."));
    const QCommandLineOption eachStep(QStringLiteral("show-each-step"),
                                      QStringLiteral("Start with View > Show Each Step on."));
    const QCommandLineOption pointNumbers(
        QStringLiteral("point-numbers"),
        QStringLiteral("Start with View > Show Point Numbers on."));
    const QCommandLineOption pageUrl(
        QStringLiteral("page-url"),
        QStringLiteral("Begin the links that File > Copy Link to This Step copies with the address "
                       "of the page put at URL, for students to open."),
        QStringLiteral("URL"));
    parser.addOptions({help, version, zoom, speed, paused, eachStep, pointNumbers, pageUrl});
    parser.addOptions(qtOptions());
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A file of points to open: one point a line, X then Y in twips of the "
                       "drawing area (0 to 7860 and 0 to 7020, Y down), or the format qhull's "
                       "rbox writes."),
        QStringLiteral("[FILE]"));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.exitStatus = mistake(parser.errorText());
        return line;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("convex-hull")));
        line.exitStatus = 0;
        return line;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("convex-hull %1\n").arg(QStringLiteral(HULL_VERSION)));
        line.exitStatus = 0;
        return line;
    }
    if (parser.positionalArguments().size() > 1) {
        line.exitStatus = mistake(QStringLiteral("one point file at most."));
        return line;
    }
    if (parser.isSet(zoom)) {
        bool number = false;
        const double factor = parser.value(zoom).toDouble(&number);
        if (!number || factor < LeastZoom || factor > MostZoom) {
            line.exitStatus =
                mistake(QStringLiteral("the zoom must be a number from 0.5 to 8, not '%1'.")
                            .arg(parser.value(zoom)));
            return line;
        }
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    }
    if (parser.isSet(speed)) {
        bool number = false;
        const int pause = parser.value(speed).toInt(&number);
        if (!number || pause < 1 || pause > 1000) {
            line.exitStatus =
                mistake(QStringLiteral("the speed must be a whole number of ms from 1 to 1000, "
                                       "not '%1'.")
                            .arg(parser.value(speed)));
            return line;
        }
        line.speed = pause;
    }
    line.startPaused = parser.isSet(paused);
    line.showEachStep = parser.isSet(eachStep);
    line.showPointNumbers = parser.isSet(pointNumbers);
    line.pageAddress = parser.value(pageUrl);
    line.file = parser.positionalArguments().value(0);
    return line;
}
