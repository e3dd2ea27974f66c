#include "app/session/CommandLine.h"

#include "app/session/ApplicationIdentity.h"
#include "app/text/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace pintu {

namespace {

// What shells and scripts take for "called the wrong way", apart from a failure.
constexpr int usageMistakeStatus = 2;

constexpr const char* description =
    QT_TRANSLATE_NOOP("pintu::CommandLine", "拼图：把图片切成小块打乱，再一块一块滑回原位。");
constexpr const char* helpDescription = QT_TRANSLATE_NOOP("pintu::CommandLine", "显示这份说明。");
constexpr const char* versionDescription = QT_TRANSLATE_NOOP("pintu::CommandLine", "显示版本。");
constexpr const char* pictureName = QT_TRANSLATE_NOOP("pintu::CommandLine", "图片");
constexpr const char* pictureSyntax = QT_TRANSLATE_NOOP("pintu::CommandLine", "[图片]");
constexpr const char* pictureDescription = QT_TRANSLATE_NOOP("pintu::CommandLine", "在菜单里打开的图片文件。");
constexpr const char* morePicturesThanOne = QT_TRANSLATE_NOOP("pintu::CommandLine", "一次只能打开一张图片。");

QString translated(const char* text)
{
    return QCoreApplication::translate("pintu::CommandLine", text);
}

// Qt's own options reach the parser too, since it reads the arguments before
// the application takes them out: a session manager restores a game with
// -session, and -platform or -style choose how it shows. They are accepted
// here, kept out of the help, and left to the application.
void acceptQtOptions(QCommandLineParser& parser)
{
    const char* const withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                     "style", "stylesheet", "session", "qwindowgeometry",
                                     "qwindowtitle", "qwindowicon", "display", "geometry"};
    const char* const flags[] = {"reverse", "nograb", "dograb", "widgetcount"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// An argument that is not UTF-8 (a picture named in GB18030) reaches the
// parser with each byte above ASCII as a lone surrogate, U+DC80 to U+DCFF,
// which no UTF-8 decodes to, so that the picture's bytes come back exactly.
constexpr char16_t escapedBytes = 0xDC00;

QString argumentText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    text.clear();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += code < 0x80 ? QChar(code) : QChar(escapedBytes + code);
    }
    return text;
}

std::string argumentBytes(const QString& text)
{
    if (text.isValidUtf16())
        return text.toStdString();
    std::string bytes;
    for (const QChar c : text)
        bytes += static_cast<char>(c.unicode() < 0x80 ? c.unicode() : c.unicode() - escapedBytes);
    return bytes;
}

} // namespace

CommandLineOutcome parseCommandLine(const std::vector<std::string>& arguments)
{
    using Stream = CommandLineAnswer::Stream;

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(translated(description));
    const QCommandLineOption help({"h", "help"}, translated(helpDescription));
    const QCommandLineOption version({"v", "version"}, translated(versionDescription));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);
    parser.addPositionalArgument(translated(pictureName), translated(pictureDescription),
                                 translated(pictureSyntax));

    const auto mistake = [&parser](const QString& what) {
        return CommandLineAnswer{what + "\n\n" + parser.helpText(), Stream::Error, usageMistakeStatus};
    };
    QStringList texts;
    std::transform(arguments.begin(), arguments.end(), std::back_inserter(texts), argumentText);
    if (!parser.parse(texts))
        return mistake(parser.errorText());
    if (parser.isSet(help))
        return CommandLineAnswer{parser.helpText(), Stream::Output, EXIT_SUCCESS};
    if (parser.isSet(version))
        return CommandLineAnswer{QStringLiteral("pintu %1\n").arg(applicationVersion), Stream::Output, EXIT_SUCCESS};

    const QStringList pictures = parser.positionalArguments();
    if (pictures.size() > 1)
        return mistake(translated(morePicturesThanOne));
    return CommandLine{pictures.isEmpty() ? std::nullopt : std::optional(argumentBytes(pictures.first()))};
}

CommandLineOutcome readCommandLine(int argc, char* argv[])
{
    // A core application opens no display: it lives just long enough to lend
    // the parser the player's language and the program's name.
    QCoreApplication application(argc, argv);
    installTranslations(application, systemLanguage());
    return parseCommandLine(std::vector<std::string>(argv, argv + argc));
}

int printAnswer(const CommandLineAnswer& answer)
{
    std::FILE* stream = answer.stream == CommandLineAnswer::Stream::Output ? stdout : stderr;
    std::fputs(answer.text.toUtf8().constData(), stream);
    return answer.exitStatus;
}

} // namespace pintu
