#include "cli/cli_options.h"

namespace {
// Takes the value of an option written "--name VALUE" or "--name=VALUE".
bool TakeValue(const QString &name, const QStringList &arguments, qsizetype &index,
               std::optional<QString> &value, QString &error)
{
    const QString argument = arguments.at(index);
    if (argument.startsWith(name + QLatin1Char('='))) {
        value = argument.mid(name.size() + 1);
        return true;
    }
    if (index + 1 >= arguments.size()) {
        error = QStringLiteral("选项 %1 缺少参数").arg(name);
        return false;
    }
    value = arguments.at(++index);
    return true;
}

bool Is(const QString &argument, const QString &name)
{
    return argument == name || argument.startsWith(name + QLatin1Char('='));
}
} // namespace

QString CliUsage()
{
    return QStringLiteral(
        "用法：pelorin-build [--open 专辑文件] [--save 专辑文件] [--album 专辑名称] [--icon 图片]\n"
        "                    [--no-overwrite] [--list] 文件...\n"
        "  文件如同拖放到窗口：先加入歌曲，再加入图片，最后加入歌词。\n"
        "  --open 专辑文件  打开保存的专辑（*.pelorin），文件加在它的歌曲之后\n"
        "  --save 专辑文件  把专辑保存为专辑文件，不生成\n"
        "  --album 名称     专辑名称（默认使用专辑文件里的名称或建议的名称）\n"
        "  --icon 图片      专辑图标（默认 pic/dft.png）\n"
        "  --no-overwrite   专辑文件夹已存在时不覆盖，报错退出\n"
        "  --list           只列出歌曲，不生成\n"
        "用法：pelorin-build --export-key 文件\n"
        "  把签名密钥复制到文件（文件已存在时不覆盖）。更新已安装的专辑需要同一个密钥，请妥善备份。\n");
}

std::optional<CliOptions> ParseCliOptions(const QStringList &arguments, QString &error)
{
    CliOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            options.files.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (Is(argument, QStringLiteral("--open"))) {
            if (!TakeValue(QStringLiteral("--open"), arguments, i, options.open, error))
                return std::nullopt;
        } else if (Is(argument, QStringLiteral("--save"))) {
            if (!TakeValue(QStringLiteral("--save"), arguments, i, options.save, error))
                return std::nullopt;
        } else if (Is(argument, QStringLiteral("--album"))) {
            if (!TakeValue(QStringLiteral("--album"), arguments, i, options.album, error))
                return std::nullopt;
        } else if (Is(argument, QStringLiteral("--icon"))) {
            std::optional<QString> icon;
            if (!TakeValue(QStringLiteral("--icon"), arguments, i, icon, error))
                return std::nullopt;
            options.icon = *icon;
        } else if (Is(argument, QStringLiteral("--export-key"))) {
            std::optional<QString> target;
            if (!TakeValue(QStringLiteral("--export-key"), arguments, i, target, error))
                return std::nullopt;
            options.exportKey = *target;
        } else if (argument == QLatin1String("--no-overwrite")) {
            options.noOverwrite = true;
        } else if (argument == QLatin1String("--list")) {
            options.list = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
            return options;
        } else {
            error = QStringLiteral("未知选项：%1").arg(argument);
            return std::nullopt;
        }
    }
    if (!options.exportKey.isEmpty()) {
        if (!options.files.isEmpty()) {
            error = QStringLiteral("--export-key 不能和歌曲文件一起使用");
            return std::nullopt;
        }
        return options;
    }
    if (options.files.isEmpty() && !options.open) {
        error = QStringLiteral("没有给出文件");
        return std::nullopt;
    }
    return options;
}
