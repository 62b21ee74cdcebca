#include "core/desktop.h"
#include "core/lessonfile.h"
#include "core/lessonlibrary.h"
#include "core/wordlist.h"
#include "core/progressstore.h"
#include "core/translations.h"
#include "app/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <cstring>

namespace {

// The application's name and version, and its interface language from the desktop's.
void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tarvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));
    Translations::install(QLocale::system().uiLanguages());
}

// Opens the review window alone; closing it ends the program, as a launcher's quick review
// should: the learner who wants the exercises starts Tarvo itself.
QCommandLineOption reviewOption()
{
    return QCommandLineOption(QStringLiteral("review"),
                              QCoreApplication::translate("CommandLine",
                                                          "Open the review of the items due now, without the title "
                                                          "card and the menu. Tarvo ends when the review window is "
                                                          "closed."));
}

QCommandLineOption lessonsOption()
{
    return QCommandLineOption(QStringLiteral("lessons"),
                              QCoreApplication::translate("CommandLine",
                                                          "Open the Lessons window alone: lesson 1 and the word lists "
                                                          "you imported. Tarvo ends when it is closed."));
}

QCommandLineOption importOption()
{
    return QCommandLineOption(QStringLiteral("import"),
                              QCoreApplication::translate("CommandLine",
                                                          "Import the word lists given as arguments (KVTML, CSV or "
                                                          "tab-separated text) as lessons, and exit without opening a "
                                                          "window."));
}

QCommandLineOption nounsOption()
{
    return QCommandLineOption(QStringLiteral("nouns"),
                              QCoreApplication::translate("CommandLine",
                                                          "With --import: every word of a list that does not give word "
                                                          "types is a noun, and its article is asked too."));
}

// Whether an argument is a word list to import: a file that exists, by its extension.
bool isWordListFile(const QString &argument)
{
    return QFileInfo(argument).isFile() && WordList::isWordListName(argument);
}

// Whether the command line asks for something done without a window.
bool windowless(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"--export-csv", "--check-lesson", "--import", "-h", "--help", "--help-all", "-v",
                                   "--version"})
            if (std::strcmp(argv[i], option) == 0 || std::strncmp(argv[i], "--export-csv=", 13) == 0 ||
                std::strncmp(argv[i], "--check-lesson=", 15) == 0)
                return true;
    return false;
}

// An option that takes a file, named <file> in its description.
QCommandLineOption fileOption(const char *name, const QString &description)
{
    //: The value of --export-csv and --check-lesson, as the options' descriptions name it: <file>.
    return QCommandLineOption(QString::fromLatin1(name), description, QCoreApplication::translate("CommandLine", "file"));
}

QCommandLineOption exportOption()
{
    return fileOption("export-csv", QCoreApplication::translate("CommandLine",
                                                                "Write every recorded answer, with its lesson, to <file> "
                                                                "as CSV (UTF-8) and exit without opening a window."));
}

QCommandLineOption checkLessonOption()
{
    return fileOption("check-lesson", QCoreApplication::translate("CommandLine",
                                                                  "Check the lesson file <file>: print \"ok\", or what "
                                                                  "is wrong and where, and exit without opening a window."));
}

// Tarvo's options. False, with the reason on standard error, for an option it does not know or
// an argument it takes none of: a misspelt option in a launcher or a script is told, not ignored.
bool parseCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Drill exercises for learners of Hungarian."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(exportOption());
    parser.addOption(checkLessonOption());
    parser.addOption(reviewOption());
    parser.addOption(lessonsOption());
    parser.addOption(importOption());
    parser.addOption(nounsOption());
    parser.addPositionalArgument(
        QStringLiteral("lists"),
        QCoreApplication::translate("CommandLine", "Word lists to import; without --import, Tarvo then shows them in "
                                                   "the Lessons window."),
        //: The arguments as --help shows them
        QCoreApplication::translate("CommandLine", "[word lists...]"));
    QString error;
    if (!parser.parse(QCoreApplication::arguments())) {
        error = parser.errorText();
    } else if (parser.isSet(QStringLiteral("import"))) {
        if (parser.positionalArguments().isEmpty())
            error = QCoreApplication::translate("CommandLine", "--import needs the word lists to import.");
    } else if (parser.isSet(QStringLiteral("nouns"))) {
        error = QCoreApplication::translate("CommandLine", "--nouns goes with --import.");
    } else {
        // A word list opened from a file manager is imported and shown in the Lessons window; any
        // other argument is a mistake.
        const bool showsLessons = !parser.isSet(QStringLiteral("review")) && !parser.isSet(QStringLiteral("export-csv")) &&
                                  !parser.isSet(QStringLiteral("check-lesson"));
        for (const QString &argument : parser.positionalArguments())
            if (error.isEmpty() && !(showsLessons && isWordListFile(argument)))
                //: %1 is an argument given on the command line that Tarvo takes no part of
                error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(argument);
    }
    if (error.isEmpty())
        return true;
    std::fprintf(stderr, "tarvo: %s\n%s\n", qPrintable(error),
                 qPrintable(QCoreApplication::translate("CommandLine", "Try 'tarvo --help' for more information.")));
    return false;
}

// tarvo --import: each list made a lesson, one line for it on standard output and one for each
// kind of entry set aside; a list that cannot be imported is told on standard error, and
// nothing of it is kept. Status 1 when any list could not be imported.
int importWordLists(const QStringList &paths, bool nouns)
{
    LessonLibrary library;
    WordList::Options options;
    options.interfaceLanguage = QLocale().name();
    options.nouns = nouns;
    int status = 0;
    for (const QString &path : paths) {
        const LessonLibrary::Imported imported = library.import(path, options);
        if (!imported.ok()) {
            std::fprintf(stderr, "tarvo: %s\n", qPrintable(imported.error));
            status = 1;
            continue;
        }
        const QStringList lines = imported.lines();
        for (int i = 0; i < lines.size(); ++i)
            std::printf(i == 0 ? "%s\n" : "  %s\n", qPrintable(lines[i]));
    }
    return status;
}

// The command line without a display: help, version, the export of every answer, or the check
// of a lesson file.
int runCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    setUpApplication();
    QCommandLineParser parser;
    if (!parseCommandLine(parser))
        return 1;
    parser.process(app); // help and version, as Qt shows them
    const QCommandLineOption exportOption = ::exportOption();
    if (parser.isSet(QStringLiteral("import")))
        return importWordLists(parser.positionalArguments(), parser.isSet(QStringLiteral("nouns")));
    if (parser.isSet(QStringLiteral("check-lesson"))) {
        const LessonFile::Result lesson = LessonFile::load(parser.value(QStringLiteral("check-lesson")));
        std::fprintf(lesson.ok() ? stdout : stderr, "%s\n", lesson.ok() ? "ok" : qPrintable(lesson.error));
        return lesson.ok() ? 0 : 1;
    }
    if (!parser.isSet(exportOption))
        parser.showHelp(0);
    SqliteProgressStore store(SqliteProgressStore::defaultPath());
    QString error;
    if (!store.exportCsv(parser.value(exportOption), &error)) {
        std::fprintf(stderr, "tarvo: %s\n", qPrintable(error));
        return 1;
    }
    // A damaged file was set aside and a fresh one started: the export is empty, and says why.
    if (!store.problem().isEmpty())
        std::fprintf(stderr, "tarvo: %s\n", qPrintable(store.problem()));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (windowless(argc, argv))
        return runCommandLine(argc, argv);
    // QApplication takes Qt's own options (-platform, -style, ...) off the command line; what is
    // left is Tarvo's, checked before any window opens.
    QApplication app(argc, argv);
    setUpApplication();
    QCommandLineParser parser;
    if (!parseCommandLine(parser))
        return 1;
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tarvo"));
    // The program ends when its last window closes or End is pressed; it decides that itself.
    QApplication::setQuitOnLastWindowClosed(false);
    Program program(std::make_unique<QtDesktop>(),
                    std::make_unique<SqliteProgressStore>(SqliteProgressStore::defaultPath()));
    if (parser.isSet(QStringLiteral("review")))
        program.startReview();
    else if (parser.isSet(QStringLiteral("lessons")) || !parser.positionalArguments().isEmpty())
        program.startLessons(parser.positionalArguments());
    else
        program.start();
    return QApplication::exec();
}
