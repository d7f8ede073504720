#pragma once

#include "support/test_folders.h"

#include "settings/log.h"
#include "update/update_endpoint.h"
#include "update/web_request.h"

#include <QFile>

#include <gtest/gtest.h>

// A fresh application folder, default request limits and the built-in
// endpoint again after every test.
class UpdateFixture : public ::testing::Test
{
protected:
    ~UpdateFixture() override
    {
        SetUpdateEndpointHost(QString());
        SetWebRequestLimits(WebRequestLimits());
    }

    // Today's log as bytes (empty when nothing was logged).
    QByteArray LogBytes() const
    {
        QFile file(LogFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestAppFolder m_folder;
};
