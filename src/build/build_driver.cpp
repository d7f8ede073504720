#include "build/build_driver.h"

#include "build/album_naming.h"
#include "build/app_icons.h"
#include "build/app_name.h"
#include "build/assets.h"
#include "build/build_checks.h"
#include "build/build_folders.h"
#include "build/build_monitor.h"
#include "build/build_report.h"
#include "build/build_user.h"
#include "build/packaging.h"
#include "build/signing_key.h"
#include "build/step_failure.h"
#include "build/work_folder.h"

#include "album/album_globals.h"
#include "album/album_list.h"
#include "platform/app_error.h"
#include "settings/log.h"
#include "settings/pt_info.h"

#include <exception>
#include <optional>

namespace {
// Tells the front end when the steps begin and end, also on an error.
class BuildBracket
{
public:
    BuildBracket(IBuildUser &user, BuildMonitor &monitor) : m_user(user) { m_user.BuildStarted(monitor); }
    ~BuildBracket() { m_user.BuildEnded(); }
    BuildBracket(const BuildBracket &) = delete;
    BuildBracket &operator=(const BuildBracket &) = delete;

private:
    IBuildUser &m_user;
};

// The steps between preparing and emptying the working folder. Returns the
// note of the step that failed, empty on success.
QString RunSteps(const QString &album, IAlbumList &list, IBuildUser &user, BuildMonitor &monitor,
                 BuildResult &result)
{
    if (!PrepareWorkFolder(album, &monitor))
        return QStringLiteral("pre build fail");
    if (monitor.IsCancelled())
        return QStringLiteral("build cancelled");

    monitor.StepStarted(QStringLiteral("正在设置应用名称..."));
    if (!SetAppName(album))
        return QStringLiteral("set app name fail");
    if (monitor.IsCancelled())
        return QStringLiteral("build cancelled");

    monitor.StepStarted(QStringLiteral("正在生成图标..."));
    if (!MakeAppIcons(AlbumIconFile, WorkFolder(album)))
        return QStringLiteral("make icon fail");
    if (monitor.IsCancelled())
        return QStringLiteral("build cancelled");

    monitor.StepStarted(QStringLiteral("正在复制歌曲..."));
    if (!StageAssets(album, list))
        return QStringLiteral("prepare Assets fail");
    if (monitor.IsCancelled())
        return QStringLiteral("build cancelled");

    const SigningKeyWatch keyWatch;
    if (!BuildAndSignApk(album, &monitor)) {
        if (monitor.IsCancelled())
            return QStringLiteral("build cancelled");
        user.ShowInformation(QStringLiteral("生成apk失败"));
        return QStringLiteral("build apk fail");
    }

    monitor.StepStarted(QStringLiteral("正在写入说明..."));
    WriteBuildReport(album, list);
    // The build that made the key, or moved an earlier version's, says where
    // it is, so that the person can keep a copy.
    if (const QString notice = keyWatch.Notice(); !notice.isEmpty())
        user.ShowInformation(notice);
    user.OpenOutputFolder(OutputFolder(album));
    result.apkPath = SignedApkPath(album);
    return {};
}
} // namespace

BuildResult RunBuild(IAlbumList &list, IBuildUser &user, QString &albumName)
{
    BuildResult result;
    if (!list.First()) {
        user.ShowInformation(QStringLiteral("请首先加入歌曲"));
        result.outcome = BuildOutcome::NoSongs;
        return result;
    }
    if (!AskAlbumName(user, albumName)) {
        Trace(QStringLiteral("check name fail"));
        result.outcome = BuildOutcome::NameCancelled;
        return result;
    }

    const QString album = albumName;
    BuildMonitor monitor;
    BuildBracket bracket(user, monitor);
    LoadSettings(QString());
    // Refused before anything is staged: the data and output folders stay
    // as they are.
    const QString problem = BuildInputProblem(album, list);
    if (!problem.isEmpty()) {
        user.ShowInformation(problem);
        Trace(problem);
        result.outcome = BuildOutcome::Refused;
        result.failure = problem;
        return result;
    }
    // An error ends the build and leaves the working folder as it stands.
    std::optional<QString> error;
    try {
        result.failure = RunSteps(album, list, user, monitor, result);
    } catch (const BuildStepFailure &failure) {
        user.ShowInformation(failure.message());
        result.failure = failure.message();
        result.apkPath.clear();
    } catch (const AppError &appError) {
        error = appError.message();
    } catch (const std::exception &otherError) {
        error = ExceptionMessage(otherError);
    }
    if (error) {
        user.ShowError(*error);
        result.outcome = BuildOutcome::Error;
        result.failure = *error;
        result.apkPath.clear();
        return result;
    }
    if (!result.failure.isEmpty())
        Trace(result.failure);
    result.outcome = result.failure.isEmpty() ? BuildOutcome::Succeeded
        : monitor.IsCancelled()                ? BuildOutcome::Cancelled
                                               : BuildOutcome::StepFailed;
    if (result.outcome == BuildOutcome::Cancelled)
        WriteLog(QStringLiteral("Build cancelled"));
    ClearWorkFolder(WorkFolder(album), &monitor);
    return result;
}
