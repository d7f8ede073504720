// Times the whole build of an album against its floor: the packager plus one
// apksigner signing run on the same staged album, side by side in one run.
//
//   bench_build APP_DIR CORPUS N [RUNS] [WORK]
//
// APP_DIR is a staged application folder (tpl/, s/, pic/), CORPUS a folder of
// songNNNN.mp3 with songNNNN.jpg/.lrc beside them (shared/bench/make_corpus.sh),
// N the number of songs. A scratch application folder is made in WORK
// (default /tmp/bench-work/build-app). Each round times one build, then the
// floor; medians of RUNS rounds (default 3) after one untimed warm-up round.
#include "build/album_naming.h"
#include "build/app_icons.h"
#include "build/app_name.h"
#include "build/assets.h"
#include "build/build_driver.h"
#include "build/build_monitor.h"
#include "build/build_user.h"
#include "build/work_folder.h"

#include "album/album_globals.h"
#include "album/in_memory_album_list.h"
#include "intake/dropped_files.h"
#include "platform/app_folder.h"
#include "settings/pt_info.h"
#include "settings/random_id.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {
// Records when each step of the build begins.
class TimingUser : public IBuildUser
{
public:
    std::vector<std::pair<QString, qint64>> marks;
    QElapsedTimer clock;

    bool InputAlbumName(const QString &, const QString &, QString &) override { return true; }
    Answer AskOverwrite(const QString &) override { return Answer::Yes; }
    void ShowInformation(const QString &text) override { std::fprintf(stderr, "info: %s\n", qPrintable(text)); }
    void ShowError(const QString &text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    void OpenOutputFolder(const QString &) override {}
    void BuildStarted(BuildMonitor &monitor) override
    {
        QObject::connect(&monitor, &BuildMonitor::stepStarted, &monitor,
                         [this](const QString &title) { marks.emplace_back(title, clock.nsecsElapsed()); });
    }
};

double Seconds(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e9;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program), process.readAll().constData());
        return false;
    }
    return true;
}

void Sync()
{
    Run(QStringLiteral("sync"), {});
}

// A scratch application folder over the staged one: the template, the tools
// (jars copied, so the signing key is made here), the default pictures.
void MakeAppFolder(const QString &staged, const QString &app)
{
    QDir().mkpath(app);
    for (const char *folder : {"log", "data", "output", "ini", "s/jre6/bin", "s/Quenlow/lib", "s/framework"})
        QDir().mkpath(app + QLatin1Char('/') + QLatin1String(folder));
    QFile::link(staged + QStringLiteral("/tpl"), app + QStringLiteral("/tpl"));
    QFile::link(staged + QStringLiteral("/pic"), app + QStringLiteral("/pic"));
    QFile::link(QFileInfo(staged + QStringLiteral("/s/jre6/bin/java")).canonicalFilePath(),
                app + QStringLiteral("/s/jre6/bin/java"));
    QFile::copy(staged + QStringLiteral("/s/apktool.jar"), app + QStringLiteral("/s/apktool.jar"));
    QDirIterator jars(staged + QStringLiteral("/s/Quenlow/lib"), {QStringLiteral("*.jar")});
    while (jars.hasNext()) {
        const QFileInfo jar(jars.next());
        QFile::copy(jar.canonicalFilePath(), app + QStringLiteral("/s/Quenlow/lib/") + jar.fileName());
    }
}

qint64 FolderBytes(const QString &folder)
{
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        total += QFileInfo(it.next()).size();
    return total;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: bench_build APP_DIR CORPUS N [RUNS] [WORK]\n");
        return 2;
    }
    const QString staged = QFileInfo(args[1]).absoluteFilePath();
    const QString corpus = QFileInfo(args[2]).absoluteFilePath();
    const int songs = args[3].toInt();
    const int runs = args.size() > 4 ? args[4].toInt() : 3;
    const QString work = args.size() > 5 ? args[5] : QStringLiteral("/tmp/bench-work");
    const QString app = work + QStringLiteral("/build-app");
    QDir(app).removeRecursively();
    MakeAppFolder(staged, app);
    SetApplicationIdentity(app, QStringLiteral("Pelorin"));
    qputenv("XDG_CONFIG_HOME", (work + QStringLiteral("/build-config")).toUtf8());

    TPtInfo settings;
    PtInfo = &settings;
    LoadSettings(QString());
    InitRandomId();
    AlbumIconFile = corpus + QStringLiteral("/song0001.jpg");

    QStringList files;
    for (int i = 1; i <= songs; ++i)
        files << corpus + QStringLiteral("/song%1.mp3").arg(i, 4, 10, QLatin1Char('0'));
    InMemoryAlbumList list;
    QElapsedTimer intake;
    intake.start();
    AddDroppedFiles(list, files);
    std::printf("== %d songs, %d runs; intake (tags, pictures, lyrics, thumbnails): %.3f s\n", list.Count(), runs,
                Seconds(intake.nsecsElapsed()));

    // The floor's album: the same steps into its own working folder.
    const QString floorAlbum = QStringLiteral("floor");
    PrepareWorkFolder(floorAlbum);
    SetAppName(floorAlbum);
    MakeAppIcons(AlbumIconFile, WorkFolder(floorAlbum));
    StageAssets(floorAlbum, list);
    const QString floorFolder = WorkFolder(floorAlbum);
    const QString keyStore = work + QStringLiteral("/bench.jks");
    if (!QFile::exists(keyStore)) {
        Run(QStringLiteral("keytool"),
            {QStringLiteral("-genkeypair"), QStringLiteral("-keystore"), keyStore, QStringLiteral("-storepass"),
             QStringLiteral("benchpass"), QStringLiteral("-keypass"), QStringLiteral("benchpass"),
             QStringLiteral("-alias"), QStringLiteral("bench"), QStringLiteral("-keyalg"), QStringLiteral("RSA"),
             QStringLiteral("-keysize"), QStringLiteral("2048"), QStringLiteral("-validity"),
             QStringLiteral("10000"), QStringLiteral("-dname"), QStringLiteral("CN=Bench, O=Bench, C=CN")});
    }
    const qint64 assets = FolderBytes(floorFolder + QStringLiteral("/assets"));

    std::map<QString, std::vector<double>> stepTimes;
    std::vector<QString> stepOrder;
    std::vector<double> builds, packager, signer, floors, ratios;
    QString apk;
    for (int round = 0; round <= runs; ++round) {
        const bool timed = round > 0;
        Sync();
        QString albumName = QStringLiteral("bench");
        TimingUser user;
        user.clock.start();
        const BuildResult result = RunBuild(list, user, albumName);
        const qint64 end = user.clock.nsecsElapsed();
        if (result.outcome != BuildOutcome::Succeeded) {
            std::fprintf(stderr, "build failed: %s\n", qPrintable(result.failure));
            return 1;
        }
        apk = result.apkPath;

        Sync();
        QElapsedTimer floor;
        floor.start();
        if (!Run(QStringLiteral("apktool"), {QStringLiteral("b"), QStringLiteral("-f"), floorFolder}))
            return 1;
        const qint64 packaged = floor.nsecsElapsed();
        if (!Run(QStringLiteral("apksigner"),
                 {QStringLiteral("sign"), QStringLiteral("--ks"), keyStore, QStringLiteral("--ks-pass"),
                  QStringLiteral("pass:benchpass"), QStringLiteral("--out"), work + QStringLiteral("/floor-signed.apk"),
                  floorFolder + QStringLiteral("/dist/MainActivity.apk")}))
            return 1;
        const qint64 signedAt = floor.nsecsElapsed();
        if (!timed)
            continue;

        user.marks.emplace_back(QStringLiteral("(end)"), end);
        std::map<QString, int> seen;
        for (size_t i = 0; i + 1 < user.marks.size(); ++i) {
            QString title = user.marks[i].first;
            if (++seen[title] > 1)
                title += QStringLiteral(" (again)");
            if (!stepTimes.count(title))
                stepOrder.push_back(title);
            stepTimes[title].push_back(Seconds(user.marks[i + 1].second - user.marks[i].second));
        }
        stepTimes[QStringLiteral("(before the first step)")].push_back(Seconds(user.marks.front().second));
        builds.push_back(Seconds(end));
        packager.push_back(Seconds(packaged));
        signer.push_back(Seconds(signedAt - packaged));
        floors.push_back(Seconds(signedAt));
        ratios.push_back(Seconds(end) / Seconds(signedAt));
    }

    std::printf("build steps (median seconds):\n");
    stepOrder.insert(stepOrder.begin(), QStringLiteral("(before the first step)"));
    for (const QString &title : stepOrder)
        std::printf("  %-28s %7.3f\n", qPrintable(title), Median(stepTimes[title]));
    std::printf("whole build                    %7.3f\n", Median(builds));
    std::printf("floor: apktool b -f            %7.3f\n", Median(packager));
    std::printf("floor: apksigner sign          %7.3f\n", Median(signer));
    std::printf("floor: together                %7.3f\n", Median(floors));
    std::printf("ratio build / floor (median of rounds) %.3f\n", Median(ratios));
    const qint64 apkBytes = QFileInfo(apk).size();
    std::printf("APK %lld bytes, assets %lld bytes, APK / assets %.4f\n", apkBytes, assets,
                double(apkBytes) / double(assets));
    return 0;
}
