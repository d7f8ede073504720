#pragma once

#include "build/build_monitor.h"
#include "build/build_user.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

// Answers a build's questions from a script and records what it was asked
// and shown, one line per event.
class ScriptedUser : public IBuildUser
{
public:
    // Names typed into the input dialog in turn; nothing means Cancel.
    QList<std::optional<QString>> names;
    // Answers to the overwrite question in turn.
    QList<Answer> answers;
    // Called with the monitor when the steps begin.
    std::function<void(BuildMonitor &)> onStarted;

    QStringList events;
    QStringList steps;

    bool InputAlbumName(const QString &caption, const QString &prompt, QString &name) override
    {
        events << QStringLiteral("input:%1|%2|%3").arg(caption, prompt, name);
        const std::optional<QString> typed = names.isEmpty() ? std::nullopt : names.takeFirst();
        if (!typed)
            return false;
        name = *typed;
        return true;
    }
    Answer AskOverwrite(const QString &question) override
    {
        events << QStringLiteral("ask:") + question;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    void ShowInformation(const QString &text) override { events << QStringLiteral("info:") + text; }
    void ShowError(const QString &message) override { events << QStringLiteral("error:") + message; }
    void OpenOutputFolder(const QString &folder) override { events << QStringLiteral("open:") + folder; }
    void BuildStarted(BuildMonitor &monitor) override
    {
        events << QStringLiteral("started");
        QObject::connect(&monitor, &BuildMonitor::stepStarted, &monitor,
                         [this](const QString &title) { steps << title; });
        if (onStarted)
            onStarted(monitor);
    }
    void BuildEnded() override { events << QStringLiteral("ended"); }
};
