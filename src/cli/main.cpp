// pelorin-build: builds an album without a window. The files are taken as a
// drop on an empty window, the build driver runs with answers taken from the
// options, and the signed APK's path is printed.
#include "cli/cli_options.h"

#include "cli/headless_user.h"
#include "cli/row_listing.h"
#include "cli/stop_signals.h"

#include "album/album_file.h"
#include "album/album_globals.h"
#include "album/album_opening.h"
#include "album/default_album_icon.h"
#include "album/in_memory_album_list.h"
#include "build/build_driver.h"
#include "build/signing_key.h"
#include "intake/dropped_files.h"
#include "platform/app_error.h"
#include "platform/app_folder.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"

#include <QFileInfo>
#include <QCoreApplication>

#include <cstdio>
#include <exception>

namespace {
enum ExitCode { kSucceeded = 0, kFailed = 1, kBadUsage = 2 };

void Print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int Fail(const QString &message, int code = kFailed)
{
    Print(stderr, message + QLatin1Char('\n'));
    return code;
}

// The album icon as the window has it at start-up, or the chosen picture,
// which must decode as the window's icon choice requires.
void SettleAlbumIcon(const QString &icon)
{
    if (icon.isEmpty()) {
        AlbumIconFile = DefaultAlbumIconFile();
        return;
    }
    const QString path = QFileInfo(icon).absoluteFilePath();
    LoadAlbumIconImage(path);
    AlbumIconFile = path;
}

// Saves a copy of the signing key and prints where; never replaces a file.
int ExportKey(const QString &target)
{
    const QString path = QFileInfo(target).absoluteFilePath();
    try {
        ExportSigningKey(path, false);
    } catch (const AppError &error) {
        return Fail(error.message());
    }
    Print(stdout, path + QLatin1Char('\n'));
    return kSucceeded;
}

int Run(const CliOptions &options)
{
    // Shares the window's settings file, log and installation identifier.
    SetApplicationIdentity(ApplicationFolder(), QStringLiteral("Pelorin"));
    if (!options.exportKey.isEmpty())
        return ExportKey(options.exportKey);
    static TPtInfo settings;
    PtInfo = &settings;
    LoadSettings(QString());
    InitRandomId();

    QStringList files;
    for (const QString &file : options.files) {
        const QFileInfo info(file);
        if (!info.exists())
            return Fail(QStringLiteral("找不到文件：%1").arg(file), kBadUsage);
        files.append(info.absoluteFilePath());
    }

    InMemoryAlbumList list;
    // The name the build answers with: --album, else the opened album's.
    std::optional<QString> albumAnswer = options.album;
    if (options.open) {
        const PlacedAlbum placed = PlaceAlbum(list, ReadAlbumFile(QFileInfo(*options.open).absoluteFilePath()));
        const QString message = PlacedAlbumMessage(placed);
        if (!message.isEmpty())
            Print(stderr, message + QLatin1Char('\n'));
        AlbumIconFile = placed.albumIcon;
        if (!albumAnswer && !placed.albumName.isEmpty())
            albumAnswer = placed.albumName;
    }
    if (!options.open || !options.icon.isEmpty())
        SettleAlbumIcon(options.icon);
    AddDroppedFiles(list, files);
    if (options.save) {
        const QString albumFile = QFileInfo(*options.save).absoluteFilePath();
        WriteAlbumFile(albumFile, CaptureAlbum(list, albumAnswer.value_or(QString()), AlbumIconFile));
        Print(stdout, albumFile + QLatin1Char('\n'));
    }
    if (options.list)
        Print(stdout, ListRows(list));
    if (options.save || options.list)
        return kSucceeded;

    // A new run remembers no album name: the build asks for one, and
    // --album (or the opened album's name) is the answer, as if the window
    // had asked with it filled in.
    HeadlessUser user(albumAnswer, !options.noOverwrite);
    // Ctrl-C or SIGTERM stop the build the way Cancel does in the window.
    StopSignals stopSignals([&user](int) { user.Stop(); });
    QString albumName;
    const BuildResult result = RunBuild(list, user, albumName);
    const QStringList messages = user.Messages();
    if (result.outcome == BuildOutcome::Succeeded) {
        // What a successful build told the person, such as where a new
        // signing key was put, goes to standard error; the path alone to
        // standard output.
        for (const QString &message : messages)
            Print(stderr, message + QLatin1Char('\n'));
        Print(stdout, result.apkPath + QLatin1Char('\n'));
        return kSucceeded;
    }
    if (result.outcome == BuildOutcome::Cancelled)
        return Fail(QStringLiteral("已取消生成"), 128 + stopSignals.Received());
    return Fail(messages.isEmpty() ? QStringLiteral("生成失败") : messages.join(QLatin1Char('\n')));
}
} // namespace

int main(int argc, char **argv)
{
    // No window and no display: pictures are decoded and drawn in memory.
    QCoreApplication app(argc, argv);

    QString error;
    const std::optional<CliOptions> options = ParseCliOptions(app.arguments().mid(1), error);
    if (!options)
        return Fail(error + QLatin1Char('\n') + CliUsage(), kBadUsage);
    if (options->help) {
        Print(stdout, CliUsage());
        return kSucceeded;
    }
    try {
        return Run(*options);
    } catch (const AppError &appError) {
        return Fail(ErrorBoxText(appError.message()));
    } catch (const std::exception &otherError) {
        return Fail(ErrorBoxText(ExceptionMessage(otherError)));
    }
}
